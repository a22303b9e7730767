// Stands in for a program that the game starts under Wine: the system information tool, or
// whatever opens documents. It leaves "<its own file name>.started" beside itself, holding each
// argument on a line of its own, so that a test sees that it ran and what it was handed. The
// file appears only when complete.
#include <cstdio>
#include <fstream>
#include <string>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

int main(int argc, char* argv[])
{
    char self[MAX_PATH] = {};
    if (GetModuleFileNameA(nullptr, self, MAX_PATH) == 0)
        return 1;
    const std::string target = std::string(self) + ".started";
    const std::string part = target + ".part";
    {
        std::ofstream out(part, std::ios::binary);
        for (int i = 1; i < argc; ++i)
            out << argv[i] << '\n';
        if (!out)
            return 1;
    }
    return std::rename(part.c_str(), target.c_str()) == 0 ? 0 : 1;
}
