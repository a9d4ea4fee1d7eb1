#include "ProfileTestSupport.h"

#include <map>

using namespace ProfileTestSupport;

namespace
{

struct Variant
{
    std::string what;
    std::vector<std::uint8_t> bytes;
    // Readable but not of this program's definitions: kept in place as it is rather than aside.
    bool keptAsItIs = false;
};

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value)
{
    for (int byte = 0; byte < 4; ++byte)
    {
        bytes[offset + byte] = static_cast<std::uint8_t>(value >> (8 * byte));
    }
}

std::vector<Variant> HostileVariants(const std::string& name)
{
    const std::vector<std::uint8_t> good = ReadBytes(FixturePath(name));
    const bool isList = name == "Users.dat";
    std::vector<Variant> variants;
    std::vector<std::uint8_t> version = good;
    version[0] = 0x6E;
    variants.push_back({"version 878", isList ? WithChecksum(version) : version});
    for (std::size_t size = 0; size < good.size(); ++size)
    {
        variants.push_back({"cut to " + std::to_string(size), {good.begin(), good.begin() + size}});
    }
    std::vector<std::uint8_t> longer = good;
    longer.insert(longer.end() - (isList ? 8 : 0), 0);
    variants.push_back({"one byte more", isList ? WithChecksum(longer) : longer});

    auto huge = [&](const std::string& what, std::size_t offset, std::uint32_t value)
    {
        std::vector<std::uint8_t> bytes = good;
        PutU32(bytes, offset, value);
        variants.push_back({what, isList ? WithChecksum(bytes) : bytes});
    };
    if (isList)
    {
        for (std::size_t index = 0; index < 8; ++index)
        {
            std::vector<std::uint8_t> bytes = good;
            ++bytes[good.size() - 8 + index];
            variants.push_back({"checksum byte " + std::to_string(index), bytes});
        }
        std::vector<std::uint8_t> body = good;
        ++body[17];
        variants.push_back({"a name byte changed", body});
        huge("player count 2^32-1", 8, 0xFFFFFFFFu);
        huge("player count 3", 8, 3);
        std::vector<std::uint8_t> longName = good;
        longName[16] = 0xFF;
        longName[17] = 0xFF;
        variants.push_back({"name length 65535", WithChecksum(longName)});
    }
    else if (name == "Save2_2.dat")
    {
        huge("achievement count 2^32-1", 8, 0xFFFFFFFFu);
        huge("achievement count one more than the records", 8, 16);
    }
    else if (name == "Save2_3.dat")
    {
        huge("rival count 2^32-1", 79, 0xFFFFFFFFu);
        huge("rival count one more than the records", 79, 3);
        huge("six rivals, more than the race has", 79, 6);
        huge("shown board 3, past none", 70, 3);
    }
    else if (name == "Save0b.dat")
    {
        huge("name length 2^32-1", 4, 0xFFFFFFFFu);
        huge("name length 1000", 4, 1000);
    }
    return variants;
}

} // namespace

class ProfileHostileFilesTest : public SaveFolderTest
{
protected:
    Snapshot LoadWith(const std::string& name, const std::vector<std::uint8_t>* bytes)
    {
        for (const auto& entry : std::filesystem::directory_iterator(mFolder))
        {
            std::filesystem::remove(entry.path());
        }
        CopyStoredFixtures();
        if (bytes == nullptr)
        {
            std::filesystem::remove(PathOf(name));
        }
        else
        {
            WriteBytes(PathOf(name), *bytes);
        }
        World world;
        return world.StartAndTake();
    }
};

// A damaged or foreign file of one kind loads as if it were missing; every other kind still loads, no
// other file changes, and the refused file's bytes are kept aside (or, readable but of other
// definitions, kept where they are).
TEST_F(ProfileHostileFilesTest, EachLoaderRefusesHostileFilesAndKeepsTheRest)
{
    for (const std::string& name : StoredFiles())
    {
        const Snapshot missing = LoadWith(name, nullptr);
        for (const Variant& variant : HostileVariants(name))
        {
            const Snapshot shot = LoadWith(name, &variant.bytes);
            EXPECT_TRUE(shot == missing) << name << ": " << variant.what;
            for (const std::string& other : StoredFiles())
            {
                if (other != name)
                {
                    EXPECT_EQ(ReadBytes(PathOf(other)), ReadBytes(FixturePath(other)))
                        << other << " after " << name << ": " << variant.what;
                }
            }
            const std::string keptAt = variant.keptAsItIs ? name : name + ".bad";
            EXPECT_EQ(ReadBytes(PathOf(keptAt)), variant.bytes) << name << ": " << variant.what;
        }
    }
}
