// Writes each argument after the first on a line of its own into the file the first names, so a
// test can read back what a program it started was handed. The file appears only when complete.
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char* argv[])
{
    if (argc < 2)
        return 2;
    const std::string target = argv[1];
    const std::string part = target + ".part";
    {
        std::ofstream out(part, std::ios::binary);
        for (int i = 2; i < argc; ++i)
            out << argv[i] << '\n';
        if (!out)
            return 1;
    }
    return std::rename(part.c_str(), target.c_str()) == 0 ? 0 : 1;
}
