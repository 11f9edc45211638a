// The Dynamics section of documents exported from scene files, and what it
// adds to the other sections.

#include "support/DocumentSections.h"
#include "support/ExportHarness.h"
#include "support/SideFileReader.h"

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

// Sprites emitted from the surface of a plane, shaded with a blinn, pulled
// by gravity and pushed by air, as the host writes them: the lifespan is an
// attribute the file adds, and the fields write only what differs from the
// node's defaults (magnitude 1, no direction, no air speed).
const char kSurfaceEmission[] = R"(createNode transform -n "pPlane1";
createNode mesh -n "pPlaneShape1" -p "pPlane1";
	setAttr -s 4 ".vt[0:3]"  -5 0 5 5 0 5 -5 0 -5 5 0 -5;
	setAttr -s 4 ".ed[0:3]"  0 1 0 0 2 0 1 3 0 2 3 0;
	setAttr ".fc[0]" -type "polyFaces" f 4 0 2 -4 -2;
createNode pointEmitter -n "emitter1" -p "pPlane1";
	setAttr ".emt" 2;
	setAttr ".rat" 100;
	setAttr ".spd" 5;
	setAttr ".srnd" 5;
	setAttr ".nspd" 2;
	setAttr ".spr" 0.2;
	setAttr ".sp" -type "double3" 0 1 0 ;
createNode transform -n "particle1";
createNode particle -n "particleShape1" -p "particle1";
	addAttr -ci true -sn "lifespanPP" -ln "lifespanPP" -dt "doubleArray";
	addAttr -ci true -h true -sn "lifespanPP0" -ln "lifespanPP0" -dt "doubleArray";
	addAttr -ci true -sn "lifespan" -ln "lifespan" -at "double";
	addAttr -is true -ci true -sn "spriteScaleX" -ln "spriteScaleX" -dv 1 -at "double";
	addAttr -is true -ci true -sn "spriteScaleY" -ln "spriteScaleY" -dv 1 -at "double";
	setAttr -k off ".v";
	setAttr -s 2 ".ifc";
	setAttr ".prt" 5;
	setAttr ".lfm" 1;
	setAttr ".ds" yes;
	setAttr -k on ".lifespan" 2;
	setAttr -k on ".spriteScaleX" 0.5;
	setAttr -k on ".spriteScaleY" 2;
createNode gravityField -n "gravityField1";
	setAttr ".mag" 9.8;
	setAttr -s 1 ".ind";
	setAttr -s 1 ".of";
	setAttr ".fc[0]"  0 1 1;
	setAttr ".dx" 1;
createNode airField -n "airField1";
	setAttr ".mag" 4;
	setAttr ".fc[0]"  0 1 1;
	setAttr ".dx" 1;
	setAttr ".spd" 0.5;
createNode geoConnector -n "geoConnector1";
createNode blinn -n "sparkMat";
createNode shadingEngine -n "sparkMatSG";
connectAttr ":time1.o" "emitter1.ct";
connectAttr "particleShape1.ifl" "emitter1.full[0]";
connectAttr "particleShape1.tss" "emitter1.dt[0]";
connectAttr "particleShape1.inh" "emitter1.inh[0]";
connectAttr "particleShape1.stt" "emitter1.stt[0]";
connectAttr "particleShape1.sd[0]" "emitter1.sd[0]";
connectAttr ":time1.o" "particleShape1.cti";
connectAttr "emitter1.ot[0]" "particleShape1.npt[0]";
connectAttr "pPlaneShape1.w" "geoConnector1.lge";
connectAttr "pPlaneShape1.wm" "geoConnector1.wm";
connectAttr "geoConnector1.ocd" "emitter1.ocd";
connectAttr "geoConnector1.ocl" "emitter1.ocl";
connectAttr "geoConnector1.pos" "emitter1.opd";
connectAttr "geoConnector1.vel" "emitter1.ovd";
connectAttr "geoConnector1.swg" "emitter1.swge";
connectAttr "pPlaneShape1.msg" "geoConnector1.own";
connectAttr ":time1.o" "geoConnector1.ct";
connectAttr "particleShape1.fd" "gravityField1.ind[0]";
connectAttr "particleShape1.ppfd[0]" "gravityField1.ppda[0]";
connectAttr "gravityField1.of[0]" "particleShape1.ifc[0]";
connectAttr "particleShape1.fd" "airField1.ind[0]";
connectAttr "particleShape1.ppfd[1]" "airField1.ppda[0]";
connectAttr "airField1.of[0]" "particleShape1.ifc[1]";
connectAttr "sparkMat.oc" "sparkMatSG.ss";
connectAttr "particleShape1.iog" "sparkMatSG.dsm" -na;
)";

} // namespace

TEST_F(DynamicsExport, SurfaceEmissionWithFields) {
    openScene(std::string(kHeader) + kSurfaceEmission, "sparks.ma");
    const std::string document = exportDocument("-ps -shap");
    EXPECT_EQ(
        documentSection(document, "Dynamics"),
        "  <Dynamics>\n"
        "    <ParticleSystem name=\"emitter1\" dynamicId=\"1\" type=\"sprite\" rate=\"0.1\" "
        "lifespanInfinite=\"false\" speed=\"0.005\" speedRandom=\"5\" tangentSpeed=\"0\" normalSpeed=\"2\" "
        "lifespan=\"2000\" maxCount=\"100\" spriteScaleX=\"0.5\" spriteScaleY=\"2\" depthSort=\"true\" "
        "emitterShapeId=\"1\" materialId=\"1\">\n"
        "      <Gravity force=\"9.8 0 0\"/>\n"
        "      <Air velocity=\"2 0 0\"/>\n"
        "    </ParticleSystem>\n"
        "  </Dynamics>");
    EXPECT_TRUE(particleWarnings().empty());
    EXPECT_TRUE(isWellFormed(document));

    // The plane's transform is a Dynamic element, not a Shape, yet its mesh
    // goes into the side file and its material into the Materials section.
    EXPECT_EQ(document.find("<Shape "), std::string::npos) << document;
    EXPECT_NE(document.find("<Dynamic name=\"emitter1\" dynamicId=\"1\""), std::string::npos) << document;
    EXPECT_NE(documentSection(document, "Materials").find("<Material name=\"sparkMat\" materialId=\"1\""),
              std::string::npos)
        << document;
    ParsedSideFile side;
    std::string error;
    ASSERT_TRUE(parseSideFile(readFile(workDir() + "/out.xml.shapes"), side, error)) << error;
    ASSERT_EQ(side.shapes.size(), 1u);
    EXPECT_EQ(side.shapes[0].name, "pPlaneShape1");
    EXPECT_EQ(side.shapes[0].shapeId, 1u);
}

TEST_F(DynamicsExport, TheHostsOwnWiringReadsWithoutNotices) {
    // Every attribute the surface emission sets or connects is one the
    // particle, emitter, connector and field types know by that name, or
    // one the file adds.
    std::string error;
    ASSERT_TRUE(orvex_host::openSceneText(std::string(kHeader) + kSurfaceEmission, "sparks.ma", error, true))
        << error;
    EXPECT_EQ(messagesOf(MessageKind::Notice), std::vector<std::string>{});
}

TEST_F(DynamicsExport, MetreUnitScalesLengths) {
    openScene("currentUnit -l meter -a degree -t film;\n" + std::string(kSurfaceEmission), "sparks.ma");
    // Without the shapes flag the plane's transform, and with it the
    // emitter, would be left out of the Scene.
    const std::string section = documentSection(exportDocument("-ps -shap"), "Dynamics");
    EXPECT_NE(section.find(" rate=\"0.1\" lifespanInfinite=\"false\" speed=\"5e-05\" speedRandom=\"0.05\" "),
              std::string::npos)
        << section;
    EXPECT_NE(section.find(" spriteScaleX=\"0.005\" spriteScaleY=\"0.02\" "), std::string::npos) << section;
    EXPECT_NE(section.find("<Gravity force=\"0.098 0 0\"/>\n      <Air velocity=\"0.02 0 0\"/>"),
              std::string::npos)
        << section;
}

TEST_F(DynamicsExport, EmitterOutsideTheSelectionLeavesNoTrace) {
    openScene(std::string(kHeader) + kSurfaceEmission, "sparks.ma");
    ASSERT_EQ(orvex_host::runCommand("select -r particle1"), MS::kSuccess);
    const std::string document = exportDocument("-ps -sel -shap");
    EXPECT_EQ(documentSection(document, "Dynamics"), "  <Dynamics>\n  </Dynamics>");
    EXPECT_TRUE(particleWarnings().empty());
    // Neither the emitter's mesh nor the particles' material is exported.
    EXPECT_EQ(documentSection(document, "Materials"), "  <Materials>\n  </Materials>");
    EXPECT_FALSE(fileExists(workDir() + "/out.xml.shapes"));
}

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
