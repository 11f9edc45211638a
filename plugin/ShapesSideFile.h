#pragma once
// The shapes side file beside the document: a header, the record count and
// one record (kind, size, blob) per shape blob, all big-endian.

#include "plugin/PendingFile.h"
#include "shapes/ShapeBlob.h"

#include <string>
#include <vector>

// The side file of a document: its path with ".shapes" appended.
std::string sideFilePath(const std::string& documentPath);

// The attribute of the Shapes start tag that names the side file.
std::string shapesFileAttribute(const std::string& sidePath);

// Writes every blob into the created side file and closes it, freeing each
// buffer once it is written (all of them, also after a failed write). False
// when a write failed.
bool writeShapesSideFile(PendingFile& file, std::vector<ShapeBlob>& blobs);
