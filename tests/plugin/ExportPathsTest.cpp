#include "plugin/ExportPaths.h"
#include "export/XmlEscape.h"

#include <gtest/gtest.h>

TEST(SceneBaseName, TakesTheFileNameWithoutItsLastExtension) {
    EXPECT_EQ(sceneBaseName("D:/maya/scenes/level1.mb"), "level1");
    EXPECT_EQ(sceneBaseName("D:/maya/r1.2/level"), "level");
    EXPECT_EQ(sceneBaseName("D:/maya/level"), "level");
    EXPECT_EQ(sceneBaseName("D:/maya/.mb"), "");
    EXPECT_EQ(sceneBaseName(""), "");
    EXPECT_EQ(sceneBaseName("level.v2.ma"), "level.v2");
}

TEST(IsAbsolutePath, SlashOrDriveLetter) {
    EXPECT_TRUE(isAbsolutePath("/x"));
    EXPECT_TRUE(isAbsolutePath("c:x"));
    EXPECT_TRUE(isAbsolutePath("Z:/out"));
    EXPECT_FALSE(isAbsolutePath("x"));
    EXPECT_FALSE(isAbsolutePath("c"));
    EXPECT_FALSE(isAbsolutePath("\\\\server\\share"));
    EXPECT_FALSE(isAbsolutePath("1:x"));
    EXPECT_FALSE(isAbsolutePath(""));
}

TEST(IsAbsolutePath, BytesAboveAsciiAreNotLetters) {
    EXPECT_FALSE(isAbsolutePath("\xe9:/out"));
    EXPECT_FALSE(isAbsolutePath("\xff:"));
}

TEST(DirectoryOrWhole, KeepsTheWholeTextWithoutSlash) {
    EXPECT_EQ(directoryOrWhole("D:/out/level.xml"), "D:/out/");
    EXPECT_EQ(directoryOrWhole("D:\\out\\level.xml"), "D:\\out\\level.xml");
    EXPECT_EQ(directoryOrWhole(""), "");
}

TEST(EscapeAttribute, WellFormedTextIsUnchanged) {
    EXPECT_EQ(escapeAttribute("plain text > 3 'q'"), "plain text > 3 'q'");
    EXPECT_EQ(escapeAttribute("a &amp; b &lt; &#38; &#x26; &quot; &apos; &gt;"),
              "a &amp; b &lt; &#38; &#x26; &quot; &apos; &gt;");
}

TEST(EscapeAttribute, EscapesWhatWouldBreakTheDocument) {
    EXPECT_EQ(escapeAttribute("Tom & Jerry"), "Tom &amp; Jerry");
    EXPECT_EQ(escapeAttribute("a<b"), "a&lt;b");
    EXPECT_EQ(escapeAttribute("say \"hi\""), "say &quot;hi&quot;");
    EXPECT_EQ(escapeAttribute("&#;&#x;&abc;&"), "&amp;#;&amp;#x;&amp;abc;&amp;");
    EXPECT_EQ(escapeAttribute("x\" injected=\"1"), "x&quot; injected=&quot;1");
}

TEST(EscapeAttribute, KeepsOnlyReferencesToCharactersXmlAllows) {
    struct Case {
        const char* reference;
        bool kept;
    };
    const Case cases[] = {
        {"&#0;", false},          {"&#1;", false},
        {"&#x1F;", false},        {"&#8;", false},
        {"&#9;", true},           {"&#xA;", true},
        {"&#13;", true},          {"&#x20;", true},
        {"&#xD7FF;", true},       {"&#xD800;", false},
        {"&#57343;", false},      {"&#xE000;", true},
        {"&#xFFFD;", true},       {"&#xFFFE;", false},
        {"&#65535;", false},      {"&#x10000;", true},
        {"&#x10FFFF;", true},     {"&#x110000;", false},
        {"&#99999999;", false},   {"&#0065;", true},
        {"&#x0000000041;", true}, {"&#18446744073709551681;", false},
        {"&#X41;", false},
    };
    for (const Case& c : cases) {
        const std::string reference = c.reference;
        EXPECT_EQ(escapeAttribute(reference), c.kept ? reference : "&amp;" + reference.substr(1))
            << reference;
    }
}

TEST(EscapeAttribute, DropsBytesXmlCannotCarryAndKeepsLineBreaksAsReferences) {
    EXPECT_EQ(escapeAttribute(std::string("a\x01\x08\x0b\x0c\x1f"
                                          "b",
                                          7)),
              "ab");
    EXPECT_EQ(escapeAttribute(std::string("a\0b", 3)), "ab");
    EXPECT_EQ(escapeAttribute("tab\tline\ncr\r"), "tab&#9;line&#10;cr&#13;");
    EXPECT_EQ(escapeAttribute("caf\xe9"), "caf\xe9");
}
