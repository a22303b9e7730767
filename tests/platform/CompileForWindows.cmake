# Compiles each source for 64-bit Windows with the mingw cross compiler and fails on the first
# error or warning. Run as: cmake -D SOURCES=a|b -D INCLUDES=x|y -D OUTPUT=dir -P this file.
find_program(MINGW_CXX x86_64-w64-mingw32-g++)
if(NOT MINGW_CXX)
    message(FATAL_ERROR "x86_64-w64-mingw32-g++ is missing: run scripts/install-deps.sh test")
endif()

string(REPLACE "|" ";" sources "${SOURCES}")
string(REPLACE "|" ";" includes "${INCLUDES}")
list(TRANSFORM includes PREPEND -I)
file(MAKE_DIRECTORY ${OUTPUT})

foreach(source IN LISTS sources)
    get_filename_component(name ${source} NAME_WE)
    execute_process(
        COMMAND ${MINGW_CXX} -std=c++20 -Wall -Wextra -Wpedantic -Werror ${includes}
                -c ${source} -o ${OUTPUT}/${name}.obj
        RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${source} does not compile for Windows")
    endif()
    message(STATUS "${name} compiles for Windows")
endforeach()
