#pragma once
// The statements of the scene syntax, one reader for each. Each reads the
// words after the command name from `cursor` and throws SceneFileError
// (through the context) when the statement is malformed.

#include "scenefile/ReaderContext.h"
#include "scenefile/SetAttrRequest.h"

namespace orvex_host {

void readSetAttr(ReaderContext& ctx, ValueCursor& cursor);
void readAddAttr(ReaderContext& ctx, ValueCursor& cursor);
void readCreateNode(ReaderContext& ctx, ValueCursor& cursor);
void readRename(ReaderContext& ctx, ValueCursor& cursor);
void readParent(ReaderContext& ctx, ValueCursor& cursor);
void readSelect(ReaderContext& ctx, ValueCursor& cursor);
void readConnectAttr(ReaderContext& ctx, ValueCursor& cursor);
void readDisconnectAttr(ReaderContext& ctx, ValueCursor& cursor);
void readRequires(ReaderContext& ctx, ValueCursor& cursor);
void readFile(ReaderContext& ctx, ValueCursor& cursor);
void readCurrentUnit(ReaderContext& ctx, ValueCursor& cursor);
void readFileInfo(ReaderContext& ctx, ValueCursor& cursor);

} // namespace orvex_host
