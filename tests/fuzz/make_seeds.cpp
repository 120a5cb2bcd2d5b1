// Writes the fuzzer's seed corpus into the folder given: small zip, gzip and
// tar-in-gzip files like the tests' fixtures.
#include <cstdio>
#include <string>
#include <vector>

#include "tests/archive/archive_fixtures.h"

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    using namespace fixtures;
    std::string dir = argv[1];
    int n = 0;
    auto put = [&](const std::string& bytes) {
        if (!WriteFile(JoinPath(dir, "seed" + std::to_string(n++)), bytes))
        {
            perror("write");
            exit(1);
        }
    };

    ZipItem file;
    file.name = "readme.txt";
    file.data = "Ostrevan readme, Ostrevan readme, Ostrevan readme.\n";
    ZipItem folder;
    folder.name = "bin/";
    folder.deflate = false;
    folder.externalAttr = 0x10;
    ZipItem stored;
    stored.name = "bin/app.exe";
    stored.data = "MZ stored bytes";
    stored.deflate = false;
    ZipItem empty;
    empty.name = "empty.dat";
    put(Zip({file, folder, stored, empty}).bytes);
    put(Zip({stored}).bytes);
    put(Zip({}).bytes);
    ZipItem longName;
    longName.name = std::string(260, 'L');
    longName.data = "long";
    ZipItem liar;
    liar.name = "liar";
    liar.data = "short";
    liar.uncompressedSizeField = 4000;
    ZipItem streamed = file;
    streamed.dataDescriptor = true;
    streamed.extra = std::string("UT\x05\x00\x03\x10\x20\x30\x40", 9);
    put(Zip({longName, liar, streamed}).bytes);

    put(Gzip("plain gzip data"));
    put(Gzip(""));
    put(Gzip(Tar({{"docs/", "", '5'}, {"docs/a.txt", "alpha", '0'}, {std::string(100, 'N'), "x", '0'},
                  {"b.bin", std::string(513, 'b'), '\0'}})));
    put(Gzip(Tar({{"one", "1"}}, false)));
    put(Gzip(TarHeader("only", 0, '0')));
    return 0;
}
