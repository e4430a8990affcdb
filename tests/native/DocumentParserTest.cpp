// The document parser: what a valid document yields, and the message each
// kind of broken document gets.
#include "glimmerhost/document/Document.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace glimmerhost;

namespace {

const ActionStep& ActionAt(const Document& document, std::size_t index) {
    return std::get<ActionStep>(document.script.at(index));
}

constexpr const char* kValid = "\xEF\xBB\xBF# A comment line\r\n"
                               "page 640 240 #102030\r\n"
                               "\r\n"
                               "rectangle \"Rectangle1\" 10 20 300 60 #FF8000\r\n"
                               "rectangle Sign 0 100 640 100 #000000\r\n"
                               "\tGlimmerboxCreate \"Rectangle1\" \"[Led1]\"\r\n"
                               "GlimmerboxSetText \"rectangle1\" \"He said \"\"hi\"\" # not a "
                               "comment\"\r\n"
                               "wait 1500\r\n"
                               "GlimmerboxSetText  \"SIGN\"\t\"\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2"
                               "\xD0\xB5\xD1\x82\"\r\n"
                               "GlimmerboxSetText \"Sign\" \"\"\r\n"
                               "wait 0";

TEST(DocumentParser, ReadsPageObjectsAndScript) {
    const Document document = ParseDocument(kValid, "demo.glim");

    EXPECT_EQ(document.page.width, 640);
    EXPECT_EQ(document.page.height, 240);
    EXPECT_EQ(document.page.background, (Colour{0x10, 0x20, 0x30}));

    ASSERT_EQ(document.objects.size(), 2u);
    const RectangleObject& first = document.objects[0];
    EXPECT_EQ(first.name, "Rectangle1");
    EXPECT_EQ((std::vector<int>{first.x, first.y, first.width, first.height, first.line}),
              (std::vector<int>{10, 20, 300, 60, 4}));
    EXPECT_EQ(first.fill, (Colour{0xFF, 0x80, 0x00}));
    EXPECT_EQ(document.objects[1].name, "Sign");

    ASSERT_EQ(document.script.size(), 6u);
    EXPECT_EQ(ActionAt(document, 0).action, "GlimmerboxCreate");
    EXPECT_EQ(ActionAt(document, 0).objectName, "Rectangle1");
    EXPECT_EQ(ActionAt(document, 0).value, "[Led1]");
    EXPECT_EQ(ActionAt(document, 0).line, 6);
    // Object names keep their own letter case; quotes inside are undoubled;
    // a # inside quotes is text.
    EXPECT_EQ(ActionAt(document, 1).objectName, "rectangle1");
    EXPECT_EQ(ActionAt(document, 1).value, "He said \"hi\" # not a comment");
    EXPECT_EQ(std::get<WaitStep>(document.script[2]).milliseconds, 1500);
    EXPECT_EQ(ActionAt(document, 3).value, "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");
    EXPECT_EQ(ActionAt(document, 4).value, "");
    EXPECT_EQ(std::get<WaitStep>(document.script[5]).line, 11);
}

TEST(DocumentParser, FindsObjectsIgnoringAsciiCaseOnly) {
    const Document document = ParseDocument("page 10 10 #000000\n"
                                            "rectangle \"R\xC3\xA9gion\" 0 0 5 5 #000000\n"
                                            "rectangle \"Rect1\" 0 0 5 5 #000000\n",
                                            "d");
    EXPECT_NE(FindObject(document, "RECT1"), nullptr);
    EXPECT_EQ(FindObject(document, "Rect10"), nullptr);
    EXPECT_NE(FindObject(document, "r\xC3\xA9GION"), nullptr);
    EXPECT_EQ(FindObject(document, "R\xC3\x89gion"), nullptr); // É is not folded
}

struct BrokenCase {
    const char* label;
    const char* text;
    const char* expected; // the whole message, path and line included
};

constexpr const char* kHead = "page 100 50 #000000\n"
                              "rectangle \"R1\" 0 0 10 10 #FFFFFF\n";

class BrokenDocument : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenDocument, NamesFileLineAndFault) {
    const BrokenCase& c = GetParam();
    try {
        ParseDocument(std::string(kHead) + c.text, "bad.glim");
        FAIL() << "parsed without an error";
    } catch (const DocumentError& error) {
        EXPECT_EQ(std::string(error.what()), c.expected);
        EXPECT_EQ(error.Path(), "bad.glim");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, BrokenDocument,
    testing::Values(
        BrokenCase{"MissingQuote", "GlimmerboxSetText \"R1\" \"HELLO\n",
                   "bad.glim:3: missing closing double quote after \"HELLO\""},
        BrokenCase{"TextGluedToQuote", "GlimmerboxSetText \"R1\"x \"y\"\n",
                   "bad.glim:3: a blank must follow the closing double quote of \"R1\""},
        BrokenCase{"QuoteInsideWord", "GlimmerboxSetText R1\"x\" \"y\"\n",
                   "bad.glim:3: a double quote inside \"R1\"\": a text in double quotes must "
                   "stand apart, after a blank"},
        BrokenCase{"OneParameter", "\n\nGlimmerboxSetText \"R1\"\n",
                   "bad.glim:5: GlimmerboxSetText needs 2 parameters in double quotes (object "
                   "and value), found 1"},
        BrokenCase{"ThreeParameters", "GlimmerboxSetText \"R1\" \"a\" \"b\"\n",
                   "bad.glim:3: GlimmerboxSetText needs 2 parameters in double quotes (object "
                   "and value), found 3"},
        BrokenCase{"UnquotedParameter", "GlimmerboxScroll \"R1\" 1\n",
                   "bad.glim:3: parameter 2 of GlimmerboxScroll (1) must be in double quotes"},
        BrokenCase{"UnknownObject", "GlimmerboxCreate \"R2\" \"[V]\"\n",
                   "bad.glim:3: unknown object \"R2\"; the page has R1"},
        BrokenCase{"NotAName", "Glimmerbox-Create \"R1\" \"[V]\"\n",
                   "bad.glim:3: \"Glimmerbox-Create\" is not a keyword (page, rectangle, wait) "
                   "or an action name"},
        BrokenCase{"QuotedHead", "\"R1\" \"x\"\n",
                   "bad.glim:3: a line starts with page, rectangle, wait or an action name, "
                   "not with a text in double quotes"},
        BrokenCase{"WaitNotNumber", "wait 1.5\n",
                   "bad.glim:3: the wait \"1.5\" is not a whole number"},
        BrokenCase{"WaitNegative", "wait -5\n",
                   "bad.glim:3: the wait \"-5\" is not a whole number"},
        BrokenCase{"WaitTooLong", "wait 3600001\n",
                   "bad.glim:3: the wait 3600001 is out of range (0 to 3600000)"},
        BrokenCase{"WaitHuge", "wait 99999999999999\n",
                   "bad.glim:3: the wait 99999999999999 is out of range (0 to 3600000)"},
        BrokenCase{"WaitMissing", "wait\n",
                   "bad.glim:3: wait needs one number of milliseconds: wait 1500"},
        BrokenCase{"SecondPage", "page 10 10 #000000\n",
                   "bad.glim:3: a second page line; the page is declared on line 1"},
        BrokenCase{"DuplicateObject", "rectangle \"r1\" 0 0 10 10 #000000\n",
                   "bad.glim:3: object \"r1\" is declared twice (first on line 2; names ignore "
                   "letter case)"},
        BrokenCase{"BadColour", "rectangle \"R2\" 0 0 10 10 red\n",
                   "bad.glim:3: \"red\" is not a colour; write #RRGGBB, e.g. #FF8000"},
        BrokenCase{"ShortColour", "rectangle \"R2\" 0 0 10 10 #FFF\n",
                   "bad.glim:3: \"#FFF\" is not a colour; write #RRGGBB, e.g. #FF8000"},
        BrokenCase{"ZeroWidth", "rectangle \"R2\" 0 0 0 10 #000000\n",
                   "bad.glim:3: the width 0 is out of range (1 to 4000)"},
        BrokenCase{"RectangleFields", "rectangle \"R2\" 0 0 10 #000000\n",
                   "bad.glim:3: rectangle needs a name, x, y, width, height and a colour: "
                   "rectangle \"Rectangle1\" 10 10 300 60 #000000"},
        BrokenCase{"EmptyName", "rectangle \"\" 0 0 10 10 #000000\n",
                   "bad.glim:3: a rectangle needs a name that is not empty"},
        BrokenCase{"NotUtf8", "GlimmerboxSetText \"R1\" \"\xCF\xF0\xE8\xE2\xE5\xF2\"\n",
                   "bad.glim:3: the line is not valid UTF-8 text; save the document as UTF-8"}),
    [](const testing::TestParamInfo<BrokenCase>& param) { return param.param.label; });

TEST(DocumentParser, RequiresAPageLine) {
    EXPECT_THROW(
        {
            try {
                ParseDocument("# nothing but a comment\n", "empty.glim");
            } catch (const DocumentError& error) {
                EXPECT_STREQ(error.what(), "empty.glim: the document has no page line (page "
                                           "<width> <height> #RRGGBB)");
                throw;
            }
        },
        DocumentError);
}

TEST(DocumentParser, ChecksActionsAgainstThePlugIn) {
    const std::vector<std::string> offered{"GlimmerboxCreate", "GlimmerboxSetText"};
    const Document good =
        ParseDocument(std::string(kHead) + "GlimmerboxSetText \"R1\" \"x\"\n", "d.glim");
    EXPECT_NO_THROW(CheckActions(good, offered));

    const Document bad =
        ParseDocument(std::string(kHead) + "wait 10\nglimmerboxsettext \"R1\" \"x\"\n", "d.glim");
    try {
        CheckActions(bad, offered);
        FAIL() << "accepted an unknown action";
    } catch (const DocumentError& error) {
        EXPECT_STREQ(error.what(),
                     "d.glim:4: unknown action \"glimmerboxsettext\" (action names are "
                     "case-sensitive: GlimmerboxSetText); the plug-in offers GlimmerboxCreate, "
                     "GlimmerboxSetText");
    }
}

TEST(DocumentParser, EditedParametersAreWrittenBackIntoTheirLine) {
    Document document = ParseDocument(std::string(kHead) + "# keep me\n"
                                                           "  GlimmerboxSetText \"R1\" \"old\"\n",
                                      "d.glim");
    SetActionParameters(document, 0, "R1", "say \"yes\"");

    EXPECT_EQ(DocumentText(document), std::string(kHead) +
                                          "# keep me\n"
                                          "  GlimmerboxSetText \"R1\" \"say \"\"yes\"\"\"\n");
    const Document reread = ParseDocument(DocumentText(document), "d.glim");
    EXPECT_EQ(ActionAt(reread, 0).value, "say \"yes\"");
}

TEST(DocumentParser, LoadsAndSavesFiles) {
    const auto folder = std::filesystem::temp_directory_path() / "glimmerhost-document-test";
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "doc.glim").string();
    { std::ofstream(path, std::ios::binary) << kHead << "GlimmerboxSetText \"R1\" \"a\"\n"; }
    Document document = LoadDocument(path);
    SetActionParameters(document, 0, "R1", "b");
    SaveDocument(document, path);
    EXPECT_EQ(ActionAt(LoadDocument(path), 0).value, "b");

    const std::string missing = (folder / "missing.glim").string();
    try {
        LoadDocument(missing);
        FAIL() << "read a missing file";
    } catch (const DocumentError& error) {
        EXPECT_EQ(std::string(error.what()).rfind(missing + ": cannot read the file: ", 0), 0u)
            << error.what();
    }
    try {
        LoadDocument(folder.string());
        FAIL() << "read a folder";
    } catch (const DocumentError& error) {
        EXPECT_EQ(error.Message(), "this is a folder, not a document");
    }
    EXPECT_THROW(SaveDocument(document, (folder / "no" / "such" / "dir.glim").string()),
                 DocumentError);
    std::filesystem::remove_all(folder);
}

} // namespace
