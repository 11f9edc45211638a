// The Dynamics section of documents exported from scene files, and what it
// adds to the other sections.

#include "support/DocumentSections.h"
#include "support/ExportHarness.h"

using namespace orvex_test;
using orvex_host::MessageKind;

namespace {

class DynamicsExport : public ExportTest {
protected:
    std::string exportDocument(const std::string& flags) {
        const std::string path = workDir() + "/out.xml";
        EXPECT_EQ(exportWith(flags + " -f " + path), MS::kSuccess);
        return readFile(path);
    }
};

// The warnings of the Dynamics pass (the Materials pass has its own).
std::vector<std::string> particleWarnings() {
    std::vector<std::string> result;
    for (const std::string& text : messagesOf(MessageKind::Warning)) {
        if (text.compare(0, 13, "orvexExport: ") == 0) {
            result.push_back(text);
        }
    }
    return result;
}

const char kHeader[] = "//Maya ASCII 2014 scene\n"
                       "requires maya \"2014\";\n"
                       "currentUnit -l centimeter -a degree -t film;\n";

// Sprites from an omni emitter below a group, and points from a second one.
const char kOmniAndPoints[] = R"(createNode transform -n "emitterGroup";
createNode pointEmitter -n "emitter1" -p "emitterGroup";
	setAttr ".emt" 1;
createNode transform -n "sparks";
createNode particle -n "sparksShape" -p "sparks";
	setAttr ".prt" 3;
createNode pointEmitter -n "emitter2";
createNode transform -n "particle1";
createNode particle -n "particleShape1" -p "particle1";
	addAttr -is true -ci true -sn "spriteScaleX" -ln "spriteScaleX" -dv 1 -at "double";
	addAttr -is true -ci true -sn "spriteScaleY" -ln "spriteScaleY" -dv 1 -at "double";
	setAttr ".prt" 5;
createNode blinn -n "blinn1";
createNode shadingEngine -n "blinn1SG";
connectAttr "emitter1.ot[0]" "particleShape1.npt[0]";
connectAttr "emitter2.ot[0]" "sparksShape.npt[0]";
connectAttr "blinn1.oc" "blinn1SG.ss";
connectAttr "particleShape1.iog" "blinn1SG.dsm" -na;
)";

} // namespace

TEST_F(DynamicsExport, OmniEmitterAndPointsWriteOnlyWarnings) {
    openScene(std::string(kHeader) + kOmniAndPoints, "omni.ma");
    const std::string document = exportDocument("-ps");
    EXPECT_EQ(documentSection(document, "Dynamics"), "  <Dynamics>\n  </Dynamics>");
    // The Scene still writes the emitter's Dynamic element.
    EXPECT_NE(document.find("<Dynamic name=\"emitter1\" dynamicId=\"1\""), std::string::npos) << document;
    EXPECT_EQ(particleWarnings(),
              (std::vector<std::string>{"orvexExport: ParticleSystem only Sprites supported (sparksShape)\n",
                                        "orvexExport: Emitter Shape not found (particleShape1)\n",
                                        "orvexExport: Shader not found (particleShape1)\n"}));
}

TEST_F(DynamicsExport, NoSectionWithoutTheFlag) {
    openScene(std::string(kHeader) + kOmniAndPoints, "omni.ma");
    const std::string document = exportDocument("");
    EXPECT_EQ(documentSection(document, "Dynamics"), "");
    EXPECT_TRUE(particleWarnings().empty());
}
