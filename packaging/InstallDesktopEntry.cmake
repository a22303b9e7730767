# Runs at install time, when the prefix is known for certain (cmake --install --prefix, or
# the packager's), and writes the desktop entry with the program and its data folder there.
# Expects ORBALUX_ENTRY_TEMPLATE, ORBALUX_ENTRY_STAGED, ORBALUX_BINDIR, ORBALUX_DATADIR and
# ORBALUX_APPLICATIONS_DIR, the last three relative to the prefix or absolute.
foreach(dir IN ITEMS BINDIR DATADIR APPLICATIONS_DIR)
    if(IS_ABSOLUTE "${ORBALUX_${dir}}")
        set(full_${dir} "${ORBALUX_${dir}}")
    else()
        set(full_${dir} "${CMAKE_INSTALL_PREFIX}/${ORBALUX_${dir}}")
    endif()
endforeach()
set(ORBALUX_PROGRAM "${full_BINDIR}/orbalux")
set(ORBALUX_DATA "${full_DATADIR}/orbalux")
configure_file("${ORBALUX_ENTRY_TEMPLATE}" "${ORBALUX_ENTRY_STAGED}" @ONLY)
file(INSTALL DESTINATION "${full_APPLICATIONS_DIR}" TYPE FILE FILES "${ORBALUX_ENTRY_STAGED}")
