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

enum class SideFileResult { Written, CannotOpen, WriteFailed };

// Creates the side file (under its temporary name) and writes every blob,
// freeing each buffer once it is written.
SideFileResult writeShapesSideFile(PendingFile& file, std::vector<ShapeBlob>& blobs);
