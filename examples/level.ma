//Maya ASCII 2014 scene
//Name: level.ma
//Last modified: Thu, Mar 20, 2014 11:48:09 AM
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
	setAttr ".den" -type "string" "top_depth";
	setAttr ".man" -type "string" "top_mask";
	setAttr ".hc" -type "string" "viewSet -t %camera";
	setAttr ".o" yes;
createNode transform -s -n "front";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 0 0 100.1 ;
createNode camera -s -n "frontShape" -p "front";
	setAttr -k off ".v" no;
	setAttr ".rnd" no;
	setAttr ".coi" 100.1;
	setAttr ".ow" 30;
	setAttr ".imn" -type "string" "front";
	setAttr ".den" -type "string" "front_depth";
	setAttr ".man" -type "string" "front_mask";
	setAttr ".hc" -type "string" "viewSet -f %camera";
	setAttr ".o" yes;
createNode transform -s -n "side";
	setAttr ".v" no;
	setAttr ".t" -type "double3" 100.1 0 0 ;
	setAttr ".r" -type "double3" 0 89.999999999999986 0 ;
createNode camera -s -n "sideShape" -p "side";
	setAttr -k off ".v" no;
	setAttr ".rnd" no;
	setAttr ".coi" 100.1;
	setAttr ".ow" 30;
	setAttr ".imn" -type "string" "side";
	setAttr ".den" -type "string" "side_depth";
	setAttr ".man" -type "string" "side_mask";
	setAttr ".hc" -type "string" "viewSet -s %camera";
	setAttr ".o" yes;
createNode transform -n "level";
	addAttr -ci true -sn "Orvex_lightMask" -ln "Orvex_lightMask" -dt "string";
	setAttr ".Orvex_lightMask" -type "string" "ff";
createNode transform -n "floor" -p "level";
createNode mesh -n "floorShape" -p "floor";
	setAttr -k off ".v";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 9 ".uvst[0].uvsp[0:8]" -type "float2" 0 0 2 0 4 0 0 2 2 2 4 2 0 4 2 4 4
		 4;
	setAttr ".cuvs" -type "string" "map1";
	setAttr ".dcol" yes;
	setAttr ".ccls" -type "string" "colorSet1";
	setAttr ".clst[0].clsn" -type "string" "colorSet1";
	setAttr -s 16 ".clst[0].clsp[0:15]" 0.7 0.7 0.7 1 0.7 0.7 0.7 1 1 1 1 1 0.7 0.7
		 0.7 1 0.7 0.7 0.7 1 0.7 0.7 0.7 1 0.7 0.7 0.7 1 1 1 1 1 0.7 0.7 0.7 1 1 1 1 1 0.7
		 0.7 0.7 1 0.7 0.7 0.7 1 1 1 1 1 0.7 0.7 0.7 1 0.7 0.7 0.7 1 0.7 0.7 0.7 1;
	setAttr -s 9 ".vt[0:8]"  -10 0 10 0 0 10 10 0 10 -10 0 0 0 0 0 10 0 0 -10 0 -10 0 0 -10
		 10 0 -10;
	setAttr -s 12 ".ed[0:11]"  0 1 1 1 4 1 4 3 1 3 0 1 1 2 1 2 5 1 5 4 1 4 7 1 7 6 1 6 3 1
		 5 8 1 8 7 1;
	setAttr -s 16 ".n[0:15]" -type "float3"  0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1
		 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0 0 1 0;
	setAttr -s 4 -ch 16 ".fc[0:3]" -type "polyFaces" 
		f 4 0 1 2 3
		mu 0 4 0 1 4 3
		mc 0 4 0 1 2 3
		f 4 4 5 6 -2
		mu 0 4 1 2 5 4
		mc 0 4 4 5 6 7
		f 4 -3 7 8 9
		mu 0 4 3 4 7 6
		mc 0 4 8 9 10 11
		f 4 -7 10 11 -8
		mu 0 4 4 5 8 7
		mc 0 4 12 13 14 15;
createNode transform -n "props" -p "level";
	setAttr ".t" -type "double3" 0 0 -4 ;
	setAttr ".r" -type "double3" 0 -15 0 ;
createNode transform -n "crate1" -p "props";
	addAttr -ci true -sn "Orvex_dynamic" -ln "Orvex_dynamic" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "Orvex_density" -ln "Orvex_density" -dv 1 -at "double";
	addAttr -ci true -sn "Orvex_objectMask" -ln "Orvex_objectMask" -dv 255 -at "long";
	addAttr -ci true -sn "breakable" -ln "breakable" -min 0 -max 1 -at "bool";
	addAttr -ci true -sn "hp" -ln "hitPoints" -dv 100 -at "long";
	addAttr -ci true -sn "respawnTime" -ln "respawnTime" -at "double";
	addAttr -ci true -sn "label" -ln "label" -dt "string";
	addAttr -ci true -sn "onCreate" -ln "onCreate" -dt "string";
	setAttr ".t" -type "double3" 1.5 0.75 0 ;
	setAttr ".r" -type "double3" 0 30 0 ;
	setAttr ".s" -type "double3" 1.5 1.5 1.5 ;
	setAttr ".Orvex_dynamic" yes;
	setAttr ".Orvex_density" 2.5;
	setAttr ".Orvex_objectMask" 15;
	setAttr ".breakable" yes;
	setAttr ".hp" 40;
	setAttr ".respawnTime" 12.5;
	setAttr ".label" -type "string" "Salt & Pepper";
	setAttr ".onCreate" -type "string" "spawnLoot(\"crate1\", 3);";
createNode mesh -n "crateShape1" -p "crate1";
	setAttr -k off ".v";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 14 ".uvst[0].uvsp[0:13]" -type "float2" 0.375 0 0.625 0 0.375 0.25 0.625
		 0.25 0.375 0.5 0.625 0.5 0.375 0.75 0.625 0.75 0.375 1 0.625 1 0.875 0 0.875 0.25
		 0.125 0 0.125 0.25;
	setAttr ".cuvs" -type "string" "map1";
	setAttr -s 8 ".vt[0:7]"  -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5 -0.5 0.5
		 -0.5 0.5 0.5 -0.5 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0 3 5 0 4 6 0 5 7 0
		 6 0 0 7 1 0;
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
createNode transform -n "crate2" -p "props";
	addAttr -ci true -sn "Orvex_restitution" -ln "Orvex_restitution" -at "double";
	setAttr ".t" -type "double3" 3.2 0.5 0.4 ;
	setAttr ".r" -type "double3" 0 10 0 ;
	setAttr ".Orvex_restitution" 0.3;
createNode mesh -n "crateShape2" -p "crate2";
	setAttr -k off ".v";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 14 ".uvst[0].uvsp[0:13]" -type "float2" 0.375 0 0.625 0 0.375 0.25 0.625
		 0.25 0.375 0.5 0.625 0.5 0.375 0.75 0.625 0.75 0.375 1 0.625 1 0.875 0 0.875 0.25
		 0.125 0 0.125 0.25;
	setAttr ".cuvs" -type "string" "map1";
	setAttr -s 8 ".vt[0:7]"  -0.5 -0.5 0.5 0.5 -0.5 0.5 -0.5 0.5 0.5 0.5 0.5 0.5 -0.5 0.5
		 -0.5 0.5 0.5 -0.5 -0.5 -0.5 -0.5 0.5 -0.5 -0.5;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0 3 5 0 4 6 0 5 7 0
		 6 0 0 7 1 0;
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
createNode transform -n "pillar" -p "props";
	setAttr ".t" -type "double3" -3 0 1 ;
createNode mesh -n "pillarShape" -p "pillar";
	setAttr -k off ".v";
	setAttr -s 2 ".iog[0].og";
	setAttr ".iog[0].og[0].gcl" -type "componentList" 3 "f[0]" "f[2]" "f[4:5]";
	setAttr ".iog[0].og[1].gcl" -type "componentList" 2 "f[1]" "f[3]";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 14 ".uvst[0].uvsp[0:13]" -type "float2" 0.375 0 0.625 0 0.375 0.25 0.625
		 0.25 0.375 0.5 0.625 0.5 0.375 0.75 0.625 0.75 0.375 1 0.625 1 0.875 0 0.875 0.25
		 0.125 0 0.125 0.25;
	setAttr ".cuvs" -type "string" "map1";
	setAttr -s 8 ".vt[0:7]"  -0.4 0 0.4 0.4 0 0.4 -0.4 3 0.4 0.4 3 0.4 -0.4 3 -0.4 0.4 3
		 -0.4 -0.4 0 -0.4 0.4 0 -0.4;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0 3 5 0 4 6 0 5 7 0
		 6 0 0 7 1 0;
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
createNode transform -n "lantern" -p "props";
	setAttr ".t" -type "double3" -3 3 1 ;
createNode mesh -n "lanternShape" -p "lantern";
	setAttr -k off ".v";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 14 ".uvst[0].uvsp[0:13]" -type "float2" 0.375 0 0.625 0 0.375 0.25 0.625
		 0.25 0.375 0.5 0.625 0.5 0.375 0.75 0.625 0.75 0.375 1 0.625 1 0.875 0 0.875 0.25
		 0.125 0 0.125 0.25;
	setAttr ".cuvs" -type "string" "map1";
	setAttr -s 8 ".vt[0:7]"  -0.2 0 0.2 0.2 0 0.2 -0.12 0.5 0.12 0.12 0.5 0.12 -0.12 0.5
		 -0.12 0.12 0.5 -0.12 -0.2 0 -0.2 0.2 0 -0.2;
	setAttr -s 12 ".ed[0:11]"  0 1 0 2 3 0 4 5 0 6 7 0 0 2 0 1 3 0 2 4 0 3 5 0 4 6 0 5 7 0
		 6 0 0 7 1 0;
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
createNode transform -n "lod_400" -p "level";
createNode transform -n "lantern1" -p "lod_400";
	setAttr ".t" -type "double3" 8 0 8 ;
	setAttr ".r" -type "double3" 0 45 0 ;
createNode transform -n "characters" -p "level";
createNode transform -n "hero" -p "characters";
	setAttr ".t" -type "double3" 3 0 2 ;
createNode joint -n "hips" -p "hero";
	addAttr -ci true -sn "Orvex_joint" -ln "Orvex_joint" -min 0 -max 1 -at "bool";
	setAttr ".t" -type "double3" 0 1 0 ;
	setAttr ".mrxe" yes;
	setAttr ".xrxe" yes;
	setAttr ".mnrl" -type "double3" -45 -360 -360 ;
	setAttr ".mxrl" -type "double3" 60 360 360 ;
	setAttr ".jo" -type "double3" 0 0 90 ;
	setAttr ".bps" -type "matrix" 0 1 0 0 -1 0 0 0 0 0 1 0 3 1 2 1;
	setAttr ".radi" 0.2;
	setAttr ".Orvex_joint" yes;
createNode joint -n "spine" -p "hips";
	setAttr ".t" -type "double3" 0.45 0 0 ;
	setAttr ".bps" -type "matrix" 0 1 0 0 -1 0 0 0 0 0 1 0 3 1.45 2 1;
	setAttr ".radi" 0.2;
createNode joint -n "head" -p "spine";
	setAttr ".t" -type "double3" 0.5 0 0 ;
	setAttr ".r" -type "double3" 0 0 -8 ;
	setAttr ".bps" -type "matrix" 0 1 0 0 -1 0 0 0 0 0 1 0 3 1.95 2 1;
	setAttr ".radi" 0.2;
createNode transform -n "body" -p "hero";
createNode mesh -n "bodyShape" -p "body";
	setAttr -k off ".v";
	setAttr -s 2 ".iog[0].og";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr ".cuvs" -type "string" "map1";
createNode mesh -n "bodyShapeOrig" -p "body";
	setAttr -k off ".v";
	setAttr ".io" yes;
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 23 ".uvst[0].uvsp[0:22]" -type "float2" 0 0 0.25 0 0.5 0 0.75 0 1 0 0
		 0.375 0.25 0.375 0.5 0.375 0.75 0.375 1 0.375 0 0.75 0.25 0.75 0.5 0.75 0.75 0.75 1
		 0.75 0.05 0.8 0.45 0.8 0.45 0.95 0.05 0.95 0.55 0.8 0.95 0.8 0.95 0.95 0.55 0.95;
	setAttr ".cuvs" -type "string" "map1";
	setAttr -s 12 ".vt[0:11]"  -0.35 0.85 0.2 0.35 0.85 0.2 0.35 0.85 -0.2 -0.35 0.85 -0.2
		 -0.3 1.45 0.2 0.3 1.45 0.2 0.3 1.45 -0.2 -0.3 1.45 -0.2 -0.22 2.1 0.16 0.22 2.1 0.16
		 0.22 2.1 -0.16 -0.22 2.1 -0.16;
	setAttr -s 20 ".ed[0:19]"  0 1 0 1 5 0 5 4 1 4 0 0 1 2 0 2 6 0 6 5 1 2 3 0 3 7 0 7 6 1
		 3 0 0 4 7 1 5 9 0 9 8 0 8 4 0 6 10 0 10 9 0 7 11 0 11 10 0 8 11 0;
	setAttr -s 10 -ch 40 ".fc[0:9]" -type "polyFaces" 
		f 4 0 1 2 3
		mu 0 4 0 1 6 5
		f 4 4 5 6 -2
		mu 0 4 1 2 7 6
		f 4 7 8 9 -6
		mu 0 4 2 3 8 7
		f 4 10 -4 11 -9
		mu 0 4 3 4 9 8
		f 4 -3 12 13 14
		mu 0 4 5 6 11 10
		f 4 -7 15 16 -13
		mu 0 4 6 7 12 11
		f 4 -10 17 18 -16
		mu 0 4 7 8 13 12
		f 4 -12 -15 19 -18
		mu 0 4 8 9 14 13
		f 4 -11 -8 -5 -1
		mu 0 4 15 18 17 16
		f 4 -14 -17 -19 -20
		mu 0 4 19 20 21 22;
createNode transform -n "effects" -p "level";
createNode transform -n "sparkEmitterPlane" -p "effects";
	setAttr ".t" -type "double3" -6 0.05 5 ;
createNode mesh -n "sparkEmitterPlaneShape" -p "sparkEmitterPlane";
	setAttr -k off ".v";
	setAttr ".uvst[0].uvsn" -type "string" "map1";
	setAttr -s 4 ".uvst[0].uvsp[0:3]" -type "float2" 0 0 1 0 0 1 1 1;
	setAttr ".cuvs" -type "string" "map1";
	setAttr -s 4 ".vt[0:3]"  -1 0 1 1 0 1 -1 0 -1 1 0 -1;
	setAttr -s 4 ".ed[0:3]"  0 1 1 1 3 1 3 2 1 2 0 1;
	setAttr -ch 4 ".fc[0]" -type "polyFaces" 
		f 4 0 1 2 3
		mu 0 4 0 1 3 2;
createNode pointEmitter -n "sparkEmitter" -p "sparkEmitterPlane";
	addAttr -ci true -sn "sound" -ln "sound" -dt "string";
	setAttr ".emt" 2;
	setAttr ".rat" 40;
	setAttr ".sro" no;
	setAttr -l on ".urpp";
	setAttr ".spd" 3;
	setAttr ".srnd" 1;
	setAttr ".sound" -type "string" "sfx/sparks_loop.wav";
createNode transform -n "sparks" -p "effects";
createNode particle -n "sparksShape" -p "sparks";
	addAttr -s false -ci true -sn "lifespanPP" -ln "lifespanPP" -dt "doubleArray";
	addAttr -ci true -h true -sn "lifespanPP0" -ln "lifespanPP0" -dt "doubleArray";
	addAttr -ci true -sn "lifespan" -ln "lifespan" -at "double";
	addAttr -is true -ci true -sn "spriteScaleX" -ln "spriteScaleX" -dv 1 -at "double";
	addAttr -is true -ci true -sn "spriteScaleY" -ln "spriteScaleY" -dv 1 -at "double";
	setAttr -k off ".v";
	setAttr ".prt" 5;
	setAttr ".lfm" 1;
	setAttr ".mxc" 200;
	setAttr -k on ".lifespan" 0.8;
	setAttr -k on ".spriteScaleX" 0.25;
	setAttr -k on ".spriteScaleY" 0.4;
createNode gravityField -n "gravityField1" -p "effects";
createNode airField -n "airField1" -p "effects";
	setAttr ".d" -type "double3" 1 0 0.5 ;
	setAttr ".mag" 2;
	setAttr ".spd" 1.5;
createNode transform -n "lights" -p "level";
createNode transform -n "sun" -p "lights";
	setAttr ".t" -type "double3" 0 10 0 ;
	setAttr ".r" -type "double3" -55 35 0 ;
createNode directionalLight -n "sunShape" -p "sun";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 1 0.95999998 0.88 ;
	setAttr ".in" 1.2;
	setAttr ".dms" yes;
	setAttr ".dr" 2048;
	setAttr ".db" 0.0020000001;
createNode transform -n "torch" -p "lights";
	addAttr -ci true -sn "Orvex_affectedLightMasks" -ln "Orvex_affectedLightMasks" -dt "string";
	setAttr ".t" -type "double3" -3.8 4.5 -2.5 ;
	setAttr ".r" -type "double3" -80 0 0 ;
	setAttr ".Orvex_affectedLightMasks" -type "string" "0f";
createNode spotLight -n "torchShape" -p "torch";
	setAttr -k off ".v";
	setAttr ".in" 2;
	setAttr ".de" 1;
	setAttr ".ca" 35;
	setAttr ".pa" 5;
	setAttr ".dro" 4;
createNode transform -n "fill" -p "lights";
	setAttr ".t" -type "double3" 0 6 0 ;
createNode ambientLight -n "fillShape" -p "fill";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 0.60000002 0.69999999 1 ;
	setAttr ".in" 0.3;
createNode transform -n "lamp" -p "lights";
	setAttr ".t" -type "double3" 0 4 0 ;
createNode pointLight -n "lampShape" -p "lamp";
	setAttr -k off ".v";
	setAttr ".cl" -type "float3" 1 0.89999998 0.75 ;
	setAttr ".in" 1.5;
	setAttr ".de" 2;
createNode transform -n "patrolPath" -p "level";
	addAttr -ci true -sn "Orvex_nonRenderable" -ln "Orvex_nonRenderable" -min 0 -max 1 -at "bool";
	setAttr ".Orvex_nonRenderable" yes;
createNode nurbsCurve -n "patrolPathShape" -p "patrolPath";
	setAttr -k off ".v";
	setAttr ".cc" -type "nurbsCurve" 
		3 8 2 no 3
		13 -2 -1 0 1 2 3 4 5 6 7 8 9 10
		11
		4.7016697493473502 0 -4.7016697493473502
		0 0 -6.6491651253263274
		-4.7016697493473502 0 -4.7016697493473502
		-6.6491651253263274 0 0
		-4.7016697493473502 0 4.7016697493473502
		0 0 6.6491651253263274
		4.7016697493473502 0 4.7016697493473502
		6.6491651253263274 0 0
		4.7016697493473502 0 -4.7016697493473502
		0 0 -6.6491651253263274
		-4.7016697493473502 0 -4.7016697493473502
		;
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
parent -s -nc -r -add "|level|props|lantern|lanternShape" "lantern1";
createNode lightLinker -s -n "lightLinker1";
	setAttr -s 8 ".lnk";
	setAttr -s 8 ".slnk";
createNode displayLayerManager -n "layerManager";
createNode displayLayer -n "defaultLayer";
createNode renderLayerManager -n "renderLayerManager";
createNode renderLayer -n "defaultRenderLayer";
	setAttr ".g" yes;
createNode lambert -n "crateWood";
createNode shadingEngine -n "crateWoodSG";
	setAttr ".ihi" 0;
	setAttr ".ro" yes;
createNode file -n "crateWoodFile";
	setAttr ".ftn" -type "string" "crate_wood.png";
createNode bump2d -n "bump2d1";
	setAttr ".bd" 0.5;
createNode file -n "crateNormalFile";
	setAttr ".ail" yes;
	setAttr ".ftn" -type "string" "crate_normal.png";
createNode lambert -n "stone";
	setAttr ".c" -type "float3" 0.44999999 0.43000001 0.40000001 ;
createNode shadingEngine -n "stoneSG";
	setAttr ".ihi" 0;
	setAttr ".ro" yes;
createNode blinn -n "brass";
	setAttr ".c" -type "float3" 0.77999997 0.56999999 0.11 ;
	setAttr ".sc" -type "float3" 0.89999998 0.80000001 0.5 ;
	setAttr ".ec" 0.2;
	setAttr ".sro" 0.80000001;
createNode shadingEngine -n "brassSG";
	setAttr ".ihi" 0;
	setAttr ".ro" yes;
createNode groupId -n "groupId1";
	setAttr ".ihi" 0;
createNode groupId -n "groupId2";
	setAttr ".ihi" 0;
createNode phong -n "lanternChrome";
	setAttr ".c" -type "float3" 0.60000002 0.60000002 0.64999998 ;
	setAttr ".rfi" 1.3;
	setAttr ".cp" 60;
createNode shadingEngine -n "lanternChromeSG";
	setAttr ".ihi" 0;
	setAttr ".ro" yes;
createNode envSphere -n "envSphere1";
createNode file -n "skyFile";
	setAttr ".ftn" -type "string" "sky.png";
createNode lambert -n "heroCloth";
	setAttr ".c" -type "float3" 0.2 0.30000001 0.60000002 ;
createNode shadingEngine -n "heroClothSG";
	setAttr ".ihi" 0;
	setAttr ".ro" yes;
createNode skinCluster -n "skinCluster1";
	setAttr -s 12 ".wl";
	setAttr ".wl[0].w[0]"  1;
	setAttr ".wl[1].w[0]"  1;
	setAttr ".wl[2].w[0]"  1;
	setAttr ".wl[3].w[0]"  1;
	setAttr -s 2 ".wl[4].w[0:1]"  0.40000000000000002 0.59999999999999998;
	setAttr -s 2 ".wl[5].w[0:1]"  0.40000000000000002 0.59999999999999998;
	setAttr -s 2 ".wl[6].w[0:1]"  0.40000000000000002 0.59999999999999998;
	setAttr -s 2 ".wl[7].w[0:1]"  0.40000000000000002 0.59999999999999998;
	setAttr -s 2 ".wl[8].w";
	setAttr ".wl[8].w[1]" 0.25;
	setAttr ".wl[8].w[2]" 0.75;
	setAttr -s 2 ".wl[9].w[1:2]"  0.25 0.75;
	setAttr -s 2 ".wl[10].w[1:2]"  0.25 0.75;
	setAttr -s 2 ".wl[11].w[1:2]"  0.25 0.75;
	setAttr -s 3 ".pm";
	setAttr ".pm[0]" -type "matrix" 0 -1 0 0 1 0 0 0 0 0 1 0 -1 3 -2 1;
	setAttr ".pm[1]" -type "matrix" 0 -1 0 0 1 0 0 0 0 0 1 0 -1.45 3 -2 1;
	setAttr ".pm[2]" -type "matrix" 0 -1 0 0 1 0 0 0 0 0 1 0 -1.95 3 -2 1;
	setAttr ".gm" -type "matrix" 1 0 0 0 0 1 0 0 0 0 1 0 3 0 2 1;
	setAttr -s 3 ".ma";
	setAttr -s 3 ".dpf[0:2]"  4 4 4;
	setAttr -s 3 ".lw";
	setAttr ".mmi" yes;
	setAttr ".mi" 3;
createNode tweak -n "tweak1";
createNode objectSet -n "skinCluster1Set";
	setAttr ".ihi" 0;
createNode groupId -n "skinCluster1GroupId";
	setAttr ".ihi" 0;
createNode groupParts -n "skinCluster1GroupParts";
	setAttr ".ihi" 0;
	setAttr ".ic" -type "componentList" 1 "vtx[*]";
createNode objectSet -n "tweakSet1";
	setAttr ".ihi" 0;
createNode groupId -n "groupId4";
	setAttr ".ihi" 0;
createNode groupParts -n "groupParts2";
	setAttr ".ihi" 0;
	setAttr ".ic" -type "componentList" 1 "vtx[*]";
createNode dagPose -n "bindPose1";
	setAttr -s 3 ".wm";
	setAttr -s 3 ".xm";
	setAttr ".xm[0]" -type "matrix" "xform" 1 1 1 0 0 0 0 0 1 0 0 0 0 0 0 0 0 0 0 0
		 0 0 0 0 0 0 0 0 1 0 0 0.70710678118654746 0.70710678118654757 1 1 1 yes;
	setAttr ".xm[1]" -type "matrix" "xform" 1 1 1 0 0 0 0 0.45 0 0 0 0 0 0 0 0 0 0 0 0
		 0 0 0 0 0 0 0 0 1 0 0 0 1 1 1 1 yes;
	setAttr ".xm[2]" -type "matrix" "xform" 1 1 1 0 0 0 0 0.5 0 0 0 0 0 0 0 0 0 0 0 0
		 0 0 0 0 0 0 0 0 1 0 0 0 1 1 1 1 yes;
	setAttr -s 3 ".m";
	setAttr -s 3 ".p";
	setAttr ".bp" yes;
createNode geoConnector -n "geoConnector1";
createNode blinn -n "sparkMat";
	setAttr ".gi" 1;
	setAttr ".ec" 0.5;
createNode shadingEngine -n "sparkMatSG";
	setAttr ".ihi" 0;
	setAttr ".ro" yes;
createNode file -n "sparkFile";
	setAttr ".ftn" -type "string" "spark.png";
createNode file -n "torchGoboFile";
	setAttr ".ftn" -type "string" "torch_gobo.png";
createNode animCurveTL -n "crate1_translateX";
	setAttr -s 2 ".ktv[0:1]"  1 1.5 25 1.5;
createNode animCurveTL -n "crate1_translateY";
	setAttr ".tan" 2;
	setAttr -s 3 ".ktv[0:2]"  1 0.75 13 2.75 25 0.75;
createNode animCurveTL -n "crate1_translateZ";
	setAttr -s 2 ".ktv[0:1]"  1 0 25 0;
createNode animCurveTA -n "crate1_rotateX";
	setAttr -s 2 ".ktv[0:1]"  1 0 25 0;
createNode animCurveTA -n "crate1_rotateY";
	setAttr -s 2 ".ktv[0:1]"  1 30 25 390;
createNode animCurveTA -n "crate1_rotateZ";
	setAttr -s 2 ".ktv[0:1]"  1 0 25 0;
createNode animCurveTU -n "lamp_visibility";
	setAttr -s 3 ".ktv[0:2]"  1 1 12 0 16 1;
	setAttr -s 3 ".kot[0:2]"  5 5 5;
createNode character -n "levelRig";
	setAttr ".am" -type "characterMapping" 7 "crate1.translateX" 1 1 "crate1.translateY" 1 2
		 "crate1.translateZ" 1 3 "crate1.rotateX" 2 1 "crate1.rotateY" 2 2 "crate1.rotateZ" 2 3
		 "lamp.visibility" 0 1  ;
createNode clipLibrary -n "clipLibrary1";
	setAttr -s 7 ".cel[0].cev";
	setAttr ".cd[0].cm" -type "characterMapping" 7 "crate1.translateX" 1 1 "crate1.translateY" 1 2
		 "crate1.translateZ" 1 3 "crate1.rotateX" 2 1 "crate1.rotateY" 2 2 "crate1.rotateZ" 2 3
		 "lamp.visibility" 0 1  ;
	setAttr ".cd[0].cim" -type "Int32Array" 7 0 1 2 3 4 5 6 ;
createNode animClip -n "bobSource";
	setAttr ".ss" 1;
	setAttr ".se" 25;
	setAttr ".ci" no;
createNode script -n "sceneConfigurationScriptNode";
	setAttr ".b" -type "string" "playbackOptions -min 1 -max 25 -ast 1 -aet 48 ";
	setAttr ".st" 6;
select -ne :time1;
	setAttr ".o" 1;
	setAttr ".unw" 1;
select -ne :renderPartition;
	setAttr -s 8 ".st";
select -ne :initialShadingGroup;
	setAttr ".ro" yes;
select -ne :initialParticleSE;
	setAttr ".ro" yes;
select -ne :defaultShaderList1;
	setAttr -s 8 ".s";
select -ne :defaultTextureList1;
	setAttr -s 6 ".tx";
select -ne :postProcessList1;
	setAttr -s 2 ".p";
select -ne :defaultRenderUtilityList1;
select -ne :defaultRenderingList1;
select -ne :defaultResolution;
	setAttr ".pa" 1;
select -ne :defaultLightSet;
	setAttr -s 4 ".dsm";
select -ne :hardwareRenderGlobals;
	setAttr ".ctrs" 256;
	setAttr ".btrs" 512;
select -ne :ikSystem;
	setAttr -s 4 ".sol";
relationship "link" ":lightLinker1" ":initialShadingGroup.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" ":initialParticleSE.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" "crateWoodSG.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" "stoneSG.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" "brassSG.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" "lanternChromeSG.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" "heroClothSG.message" ":defaultLightSet.message";
relationship "link" ":lightLinker1" "sparkMatSG.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" ":initialShadingGroup.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" ":initialParticleSE.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" "crateWoodSG.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" "stoneSG.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" "brassSG.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" "lanternChromeSG.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" "heroClothSG.message" ":defaultLightSet.message";
relationship "shadowLink" ":lightLinker1" "sparkMatSG.message" ":defaultLightSet.message";
connectAttr "layerManager.dli[0]" "defaultLayer.id";
connectAttr "renderLayerManager.rlmi[0]" "defaultRenderLayer.rlid";
connectAttr "groupId1.id" "pillarShape.iog.og[0].gid";
connectAttr "stoneSG.mwc" "pillarShape.iog.og[0].gco";
connectAttr "groupId2.id" "pillarShape.iog.og[1].gid";
connectAttr "brassSG.mwc" "pillarShape.iog.og[1].gco";
connectAttr "skinCluster1GroupId.id" "bodyShape.iog.og[0].gid";
connectAttr "skinCluster1Set.mwc" "bodyShape.iog.og[0].gco";
connectAttr "groupId4.id" "bodyShape.iog.og[1].gid";
connectAttr "tweakSet1.mwc" "bodyShape.iog.og[1].gco";
connectAttr "skinCluster1.og[0]" "bodyShape.i";
connectAttr ":time1.o" "sparkEmitter.ct";
connectAttr "geoConnector1.ocd" "sparkEmitter.ocd";
connectAttr "geoConnector1.ocl" "sparkEmitter.ocl";
connectAttr "geoConnector1.pos" "sparkEmitter.opd";
connectAttr "geoConnector1.vel" "sparkEmitter.ovd";
connectAttr "geoConnector1.swg" "sparkEmitter.swge";
connectAttr ":time1.o" "sparksShape.cti";
connectAttr "sparkEmitter.ot[0]" "sparksShape.npt[0]";
connectAttr "sparksShape.ifl" "sparkEmitter.full[0]";
connectAttr "sparksShape.tss" "sparkEmitter.dt[0]";
connectAttr "sparksShape.inh" "sparkEmitter.inh[0]";
connectAttr "sparksShape.stt" "sparkEmitter.stt[0]";
connectAttr "sparksShape.sd[0]" "sparkEmitter.sd[0]";
connectAttr "gravityField1.of[0]" "sparksShape.ifc[0]";
connectAttr "airField1.of[0]" "sparksShape.ifc[1]";
connectAttr "sparksShape.fd" "gravityField1.ind[0]";
connectAttr "sparksShape.fd" "airField1.ind[0]";
connectAttr "torchGoboFile.oc" "torchShape.cl";
connectAttr "crateWoodFile.oc" "crateWood.c";
connectAttr "bump2d1.o" "crateWood.n";
connectAttr "crateWood.oc" "crateWoodSG.ss";
connectAttr "crateShape1.iog" "crateWoodSG.dsm" -na;
connectAttr "crateShape2.iog" "crateWoodSG.dsm" -na;
connectAttr "crateNormalFile.oa" "bump2d1.bv";
connectAttr "stone.oc" "stoneSG.ss";
connectAttr "floorShape.iog" "stoneSG.dsm" -na;
connectAttr "pillarShape.iog.og[0]" "stoneSG.dsm" -na;
connectAttr "brass.oc" "brassSG.ss";
connectAttr "pillarShape.iog.og[1]" "brassSG.dsm" -na;
connectAttr "envSphere1.oc" "lanternChrome.rc";
connectAttr "lanternChrome.oc" "lanternChromeSG.ss";
connectAttr "|level|props|lantern|lanternShape.iog" "lanternChromeSG.dsm" -na;
connectAttr "|level|lod_400|lantern1|lanternShape.iog" "lanternChromeSG.dsm" -na;
connectAttr "skyFile.oc" "envSphere1.so";
connectAttr "heroCloth.oc" "heroClothSG.ss";
connectAttr "bodyShape.iog" "heroClothSG.dsm" -na;
connectAttr "skinCluster1GroupParts.og" "skinCluster1.ip[0].ig";
connectAttr "skinCluster1GroupId.id" "skinCluster1.ip[0].gi";
connectAttr "bindPose1.msg" "skinCluster1.bp";
connectAttr "hips.wm" "skinCluster1.ma[0]";
connectAttr "spine.wm" "skinCluster1.ma[1]";
connectAttr "head.wm" "skinCluster1.ma[2]";
connectAttr "groupParts2.og" "tweak1.ip[0].ig";
connectAttr "groupId4.id" "tweak1.ip[0].gi";
connectAttr "bodyShape.iog.og[0]" "skinCluster1Set.dsm" -na;
connectAttr "tweak1.og[0]" "skinCluster1GroupParts.ig";
connectAttr "skinCluster1GroupId.id" "skinCluster1GroupParts.gi";
connectAttr "bodyShape.iog.og[1]" "tweakSet1.dsm" -na;
connectAttr "bodyShapeOrig.w" "groupParts2.ig";
connectAttr "groupId4.id" "groupParts2.gi";
connectAttr "hips.msg" "bindPose1.m[0]";
connectAttr "spine.msg" "bindPose1.m[1]";
connectAttr "head.msg" "bindPose1.m[2]";
connectAttr "bindPose1.w" "bindPose1.p[0]";
connectAttr "bindPose1.m[0]" "bindPose1.p[1]";
connectAttr "bindPose1.m[1]" "bindPose1.p[2]";
connectAttr "hips.bps" "bindPose1.wm[0]";
connectAttr "spine.bps" "bindPose1.wm[1]";
connectAttr "head.bps" "bindPose1.wm[2]";
connectAttr "sparkEmitterPlaneShape.w" "geoConnector1.lge";
connectAttr "sparkEmitterPlaneShape.wm" "geoConnector1.wm";
connectAttr "sparkEmitterPlaneShape.msg" "geoConnector1.own";
connectAttr ":time1.o" "geoConnector1.ct";
connectAttr "sparkFile.oc" "sparkMat.c";
connectAttr "sparkMat.oc" "sparkMatSG.ss";
connectAttr "sparksShape.iog" "sparkMatSG.dsm" -na;
connectAttr "crate1.tx" "levelRig.dnsm" -na;
connectAttr "crate1.ty" "levelRig.dnsm" -na;
connectAttr "crate1.tz" "levelRig.dnsm" -na;
connectAttr "crate1.rx" "levelRig.dnsm" -na;
connectAttr "crate1.ry" "levelRig.dnsm" -na;
connectAttr "crate1.rz" "levelRig.dnsm" -na;
connectAttr "lamp.v" "levelRig.dnsm" -na;
connectAttr "levelRig.msg" "clipLibrary1.cha";
connectAttr "bobSource.cl" "clipLibrary1.sc[0]";
connectAttr "crate1_translateX.a" "clipLibrary1.cel[0].cev[0].cevr";
connectAttr "crate1_translateY.a" "clipLibrary1.cel[0].cev[1].cevr";
connectAttr "crate1_translateZ.a" "clipLibrary1.cel[0].cev[2].cevr";
connectAttr "crate1_rotateX.a" "clipLibrary1.cel[0].cev[3].cevr";
connectAttr "crate1_rotateY.a" "clipLibrary1.cel[0].cev[4].cevr";
connectAttr "crate1_rotateZ.a" "clipLibrary1.cel[0].cev[5].cevr";
connectAttr "lamp_visibility.a" "clipLibrary1.cel[0].cev[6].cevr";
connectAttr "crateWoodSG.pa" ":renderPartition.st" -na;
connectAttr "stoneSG.pa" ":renderPartition.st" -na;
connectAttr "brassSG.pa" ":renderPartition.st" -na;
connectAttr "lanternChromeSG.pa" ":renderPartition.st" -na;
connectAttr "heroClothSG.pa" ":renderPartition.st" -na;
connectAttr "sparkMatSG.pa" ":renderPartition.st" -na;
connectAttr "sparkEmitterPlaneShape.iog" ":initialShadingGroup.dsm" -na;
connectAttr "defaultRenderLayer.msg" ":defaultRenderingList1.r" -na;
connectAttr "sun.iog" ":defaultLightSet.dsm" -na;
connectAttr "torch.iog" ":defaultLightSet.dsm" -na;
connectAttr "fill.iog" ":defaultLightSet.dsm" -na;
connectAttr "lamp.iog" ":defaultLightSet.dsm" -na;
// End of level.ma
