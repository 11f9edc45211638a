//Maya ASCII 2014 scene
//Name: level.ma
//Last modified: Tue, Mar 04, 2014 06:12:31 PM
//Codeset: 1252
requires maya "2014";
currentUnit -l centimeter -a degree -t film;
fileInfo "application" "maya";
fileInfo "product" "Maya 2014";
fileInfo "version" "2014";
fileInfo "cutIdentifier" "201303010241-864206";
fileInfo "osv" "Microsoft Windows 7 Ultimate Edition, 64-bit Windows 7 Service Pack 1 (Build 7601)\n";
createNode transform -s -n "persp";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 14.5 9.2 16.1 ;
	setAttr ".r" -type "double3" -24.338352729602381 41.800000000000146 0 ;
createNode camera -s -n "perspShape" -p "persp";
	setAttr -k off ".v" no;
	setAttr ".fl" 34.999999999999993;
	setAttr ".coi" 23.52186966202994;
	setAttr ".imn" -type "string" "persp";
	setAttr ".den" -type "string" "persp_depth";
	setAttr ".man" -type "string" "persp_mask";
	setAttr ".hc" -type "string" "viewSet -p %camera";
createNode transform -s -n "top";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 0 100.1 0 ;
	setAttr ".r" -type "double3" -89.999999999999986 0 0 ;
createNode camera -s -n "topShape" -p "top";
	setAttr -k off ".v" no;
	setAttr ".rnd" no;
	setAttr ".coi" 100.1;
	setAttr ".ow" 30;
	setAttr ".imn" -type "string" "top";
	setAttr ".hc" -type "string" "viewSet -t %camera";
	setAttr ".o" yes;
createNode transform -n "level";
	addAttr -ci true -sn "Orvex_lightMask" -ln "Orvex_lightMask" -dt "string";
	setAttr ".Orvex_lightMask" -type "string" "ff";
createNode transform -n "crates" -p "level";
	setAttr ".t" -type "double3" 0 0 -4 ;
	setAttr ".r" -type "double3" 0 -15 0 ;
createNode transform -n "crate1" -p "crates";
	addAttr -ci true -sn "Orvex_static" -ln "Orvex_static" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "Orvex_density" -ln "Orvex_density" -dv 1 -at "double";
	addAttr -ci true -sn "Orvex_objectMask" -ln "Orvex_objectMask" -dv 255 -at "long";
	setAttr ".t" -type "double3" 1.5 0.75 0 ;
	setAttr ".r" -type "double3" 0 30 0 ;
	setAttr ".s" -type "double3" 1.5 1.5 1.5 ;
	setAttr ".Orvex_static" no;
	setAttr ".Orvex_density" 2.5;
	setAttr ".Orvex_objectMask" 15;
createNode mesh -n "crateShape1" -p "crate1";
	setAttr -k off ".v";
	setAttr ".vir" yes;
	setAttr ".vif" yes;
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 14 ".uvst[0].uvsp[0:13]" -type "float2" 0.375 0 0.625 0 0.375
		 0.25 0.625 0.25 0.375 0.5 0.625 0.5 0.375 0.75 0.625 0.75 0.375 1 0.625 1 0.875
		 0 0.875 0.25 0.125 0 0.125 0.25;
	setAttr ".cuvs" -type "string" "map1";
	setAttr ".dcc" -type "string" "Ambient+Diffuse";
	setAttr -s 8 ".vt[0:7]"  -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5
		 -0.5 0.5 -0.5 0.5 0.5 -0.5 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0
		 3 5 0 4 6 0 5 7 0 6 0 0 7 1 0;
	setAttr -s 6 -ch 24 ".fc[0:5]" -type "polyFaces" 
		f 4 0 5 -2 -5
		mu 0 4 0 1 3 2
		f 4 1 7 -3 -7
		mu 0 4 2 3 5 4
		f 4 2 9 -4 -9
		mu 0 4 4 5 7 6
		f 4 3 11 -1 -11
		mu 0 4 6 7 9 8
		f 4 -12 -10 -8 -6
		mu 0 4 1 10 11 3
		f 4 10 4 6 8
		mu 0 4 12 0 2 13;
	setAttr ".cd" -type "dataPolyComponent" Index_Data Edge 0 ;
	setAttr ".cvd" -type "dataPolyComponent" Index_Data Vertex 0 ;
createNode transform -n "lamp" -p "level";
	setAttr ".t" -type "double3" 0 4 0 ;
createNode pointLight -n "lampShape" -p "lamp";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 1 0.89999998 0.75 ;
	setAttr ".in" 1.5;
	setAttr ".de" 2;
createNode transform -n "gameCamera";
	setAttr ".t" -type "double3" 0 3 10 ;
	setAttr ".r" -type "double3" -15 0 0 ;
createNode camera -n "gameCameraShape" -p "gameCamera";
	setAttr -k off ".v";
	setAttr ".rnd" no;
	setAttr ".cap" -type "double2" 1.41732 0.94488 ;
	setAttr ".ff" 0;
	setAttr ".ncp" 0.5;
	setAttr ".fcp" 500;
	setAttr ".coi" 10;
	setAttr ".imn" -type "string" "gameCamera";
	setAttr ".den" -type "string" "gameCamera_depth";
	setAttr ".man" -type "string" "gameCamera_mask";
createNode lightLinker -s -n "lightLinker1";
	setAttr -s 3 ".lnk";
	setAttr -s 3 ".slnk";
createNode displayLayerManager -n "layerManager";
createNode displayLayer -n "defaultLayer";
createNode renderLayerManager -n "renderLayerManager";
createNode renderLayer -n "defaultRenderLayer";
	setAttr ".g" yes;
createNode blinn -n "crateMat";
	setAttr ".c" -type "float3" 0.60000002 0.40000001 0.2 ;
	setAttr ".sc" -type "float3" 0.30000001 0.30000001 0.30000001 ;
	setAttr ".ec" 0.25;
createNode shadingEngine -n "crateMatSG";
	setAttr ".ihi" 0;
	setAttr ".ro" yes;
createNode materialInfo -n "materialInfo1";
createNode script -n "sceneConfigurationScriptNode";
	setAttr ".b" -type "string" "playbackOptions -min 1 -max 24 -ast 1 -aet 48 ";
	setAttr ".st" 6;
select -ne :time1;
	setAttr ".o" 1;
	setAttr ".unw" 1;
select -ne :renderPartition;
	setAttr -s 3 ".st";
select -ne :initialShadingGroup;
	setAttr ".ro" yes;
select -ne :initialParticleSE;
	setAttr ".ro" yes;
select -ne :defaultShaderList1;
	setAttr -s 3 ".s";
select -ne :postProcessList1;
	setAttr -s 2 ".p";
select -ne :defaultRenderingList1;
select -ne :defaultResolution;
	setAttr ".pa" 1;
select -ne :defaultLightSet;
	setAttr -k on ".ihi";
select -ne :hardwareRenderGlobals;
	setAttr ".ctrs" 256;
	setAttr ".btrs" 512;
relationship "link" ":lightLinker1" ":initialShadingGroup.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" ":initialParticleSE.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" "crateMatSG.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" ":initialShadingGroup.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" ":initialParticleSE.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" "crateMatSG.message" ":defaultLightSet.message";
connectAttr "layerManager.dli[0]" "defaultLayer.id";
connectAttr "renderLayerManager.rlmi[0]" "defaultRenderLayer.rlid";
connectAttr "crateMat.oc" "crateMatSG.ss";
connectAttr "crateShape1.iog" "crateMatSG.dsm" -na;
connectAttr "crateMatSG.msg" "materialInfo1.sg";
connectAttr "crateMat.msg" "materialInfo1.m";
connectAttr "crateMatSG.pa" ":renderPartition.st" -na;
connectAttr "crateMat.msg" ":defaultShaderList1.s" -na;
connectAttr "defaultRenderLayer.msg" ":defaultRenderingList1.r" -na;
connectAttr "lampShape.ltd" ":lightList1.l" -na;
connectAttr "lamp.iog" ":defaultLightSet.dsm" -na;
// End of level.ma
