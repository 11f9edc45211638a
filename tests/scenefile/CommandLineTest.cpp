// Command lines and scripts as the host's script language splits them.

#include "graph/Scene.h"

#include <orvex_host/Session.h>

#include <gtest/gtest.h>

using namespace orvex_host;

TEST(CommandLine, WordsStringsAndStatements) {
    std::vector<std::string> tokens;
    std::string error;
    ASSERT_TRUE(tokenizeCommand("OrvexExporter -f \"out dir/a\\\"b\\\".xml\" -v; // note\n"
                                "select ( \"pCu\" + \"be1\" );",
                                tokens, error))
        << error;
    EXPECT_EQ(tokens, (std::vector<std::string>{"OrvexExporter", "-f", "out dir/a\"b\".xml", "-v", "select",
                                                "pCube1"}));

    clearMessages();
    EXPECT_FALSE(tokenizeCommand("OrvexExporter -f \"open", tokens, error));
    EXPECT_EQ(error, "command:1: expected the closing '\"' of the string");
    EXPECT_TRUE(messages().empty()); // splitting alone reports nothing
}

TEST(CommandLine, ScriptsStopAtTheFirstFailure) {
    newScene(false);
    Scene& scene = currentScene();
    scene.createNode(*TypeRegistry::instance().find("transform"), "a");
    scene.createNode(*TypeRegistry::instance().find("transform"), "b");
    clearMessages();
    EXPECT_EQ(runScript("select -r a;\n// select b;\nselect -add b;\nselect -d a", "s.mel"), MS::kSuccess);
    ASSERT_EQ(scene.selection().size(), 1u);
    EXPECT_EQ(scene.selection()[0].node->name, "b");

    EXPECT_EQ(runScript("select -cl;\nselect -r c;\nselect -r a;\n", "s.mel"), MS::kFailure);
    EXPECT_TRUE(scene.selection().empty());
    EXPECT_EQ(runScript("select -r a;\n\nselect \"b;\n", "s.mel"), MS::kFailure);
    ASSERT_FALSE(messages().empty());
    EXPECT_EQ(messages().back().text, "s.mel:3: expected the closing '\"' of the string");
}
