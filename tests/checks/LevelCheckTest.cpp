#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "checks/LevelCheck.h"

namespace {

const std::string kPack = std::string(TRELKAN_SOURCE_DIR) + "/tests/fixtures/levels/check/";

CheckCommand Parse(std::vector<std::string> arguments)
{
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    return ParseCheckArguments(static_cast<int>(pointers.size()), pointers.data());
}

// What CheckLevelFiles prints for the arguments, and its result.
std::string CheckPrinted(const std::vector<std::string>& arguments, int& status)
{
    std::FILE* out = std::tmpfile();
    EXPECT_TRUE(out);
    status = CheckLevelFiles(Parse(arguments), out);
    std::rewind(out);
    std::string printed;
    for (int c; (c = std::fgetc(out)) != EOF;)
        printed += static_cast<char>(c);
    std::fclose(out);
    return printed;
}

} // namespace

// Run from app/, as the editor runs, so that the pack's image paths resolve.
TEST(LevelCheck, PrintsEachProblemAtItsLineThenOneSummaryPerFile)
{
    const std::string clean = kPack + "clean.xml";
    const std::string problems = kPack + "problems.xml";
    const std::string missing = kPack + "missing.xml";
    int status = -1;
    EXPECT_EQ(CheckPrinted({clean, problems, missing}, status),
              clean + ": OK\n" +
              problems + ":2: error: The snake's initial velocity 9 lies outside 2 to 5 [setting-range]\n" +
              problems + ":2: warning: The start position (0, 0) faces the floor's edge 8 units ahead: 0.89 s at the "
                         "initial velocity 9 (warned under 2 s) [start-facing-wall]\n" +
              problems + ":5: error: Texture 1 \"../data/Textures/Walls/gone.jpg\" cannot be read: No such file "
                         "or directory [texture-missing]\n" +
              problems + ":13: error: Wall at (500, 0): Width \"abc\" is not a number (read as 0) [not-a-number]\n" +
              problems + ":13: error: Wall at (500, 0) has the size 0 x 1, which is not positive and finite "
                         "[wall-size]\n" +
              problems + ":16: warning: Item at (-3, 2) is 0.5 from the item at (-3.5, 2), closer than an item's "
                         "size (1) [items-overlap]\n" +
              problems + ":19: error: Item at (-3.5, 2) has the type 30, which the game does not know (16 to 21) "
                         "[item-type]\n" +
              problems + ": 5 errors, 2 warnings\n" +
              missing + ": error: cannot open file: No such file or directory\n");
    EXPECT_EQ(status, 1);
}

TEST(LevelCheck, WarningsFailOnlyWithWerror)
{
    const std::string warned = kPack + "facing_wall.xml";
    const std::string clean = kPack + "clean.xml";
    int status = -1;
    CheckPrinted({warned, clean}, status);
    EXPECT_EQ(status, 0);
    CheckPrinted({"--werror", warned, clean}, status);
    EXPECT_EQ(status, 1);
    CheckPrinted({"--werror", clean}, status);
    EXPECT_EQ(status, 0);
}

TEST(LevelCheck, ArgumentsNotUnderstoodAreUsageErrors)
{
    EXPECT_FALSE(Parse({}).error.empty());
    EXPECT_FALSE(Parse({"--werror"}).error.empty());
    EXPECT_EQ(Parse({"a.xml", "--bogus"}).error, "unknown option --bogus");
    const CheckCommand dashed = Parse({"--", "--werror", "-"});
    EXPECT_EQ(dashed.paths, (std::vector<std::string>{"--werror", "-"}));
    EXPECT_FALSE(dashed.warningsAreErrors);
}
