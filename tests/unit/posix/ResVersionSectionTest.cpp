// The version strings in the ELF executable, where file tools find them.
#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The contents of the named section of this test program's own file, read
// the way readelf does, or "" when the section is missing.
std::string SectionOfThisProgram(const char* name) {
    std::ifstream in("/proc/self/exe", std::ios::binary);
    const std::string elf((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (elf.size() < sizeof(Elf64_Ehdr) || elf.compare(0, 4, ELFMAG) != 0 ||
        elf[EI_CLASS] != ELFCLASS64) {
        ADD_FAILURE() << "not a 64-bit ELF file";
        return "";
    }
    Elf64_Ehdr header;
    std::memcpy(&header, elf.data(), sizeof header);
    auto sectionHeader = [&](std::size_t index) {
        Elf64_Shdr section;
        std::memcpy(&section, elf.data() + header.e_shoff + index * header.e_shentsize,
                    sizeof section);
        return section;
    };
    if (header.e_shoff + std::size_t{header.e_shnum} * header.e_shentsize > elf.size()) {
        ADD_FAILURE() << "section headers outside the file";
        return "";
    }
    const Elf64_Shdr names = sectionHeader(header.e_shstrndx);
    for (std::size_t i = 0; i < header.e_shnum; ++i) {
        const Elf64_Shdr section = sectionHeader(i);
        if (std::strcmp(elf.data() + names.sh_offset + section.sh_name, name) == 0) {
            return elf.substr(section.sh_offset, section.sh_size);
        }
    }
    return "";
}

TEST(ResVersionTest, ExecutableCarriesTheVersionStringsInItsOwnSection) {
    const std::string section = SectionOfThisProgram(".vessamo_version");
    ASSERT_FALSE(section.empty()) << "no .vessamo_version section in the test program";

    std::vector<std::string> entries;
    for (std::size_t at = 0; at < section.size();) {
        const std::size_t end = section.find('\0', at);
        const std::string entry = section.substr(at, end - at);
        if (!entry.empty()) entries.push_back(entry);
        if (end == std::string::npos) break;
        at = end + 1;
    }
    EXPECT_EQ(entries, (std::vector<std::string>{
                           "StringFileInfo=040904B0",
                           "FileVersion=1, 0, 0, 1",
                           "ProductVersion=1, 0, 0, 1",
                           "FileDescription=VessamoInstaller MFC Application",
                           "InternalName=VessamoInstaller",
                           "OriginalFilename=VessamoInstaller.EXE",
                           "ProductName=VessamoInstaller Application",
                       }));
}

}  // namespace
