// Runs a parsed command line on a headless window and gives back the bytes
// for standard output.
#pragma once

#include <string>

#include "batch/BatchOptions.h"
#include "text/GbkText.h"

namespace yanqi::batch {

// Loads the boxes, runs the operations in order (skipping clicks on disabled
// buttons) and returns what --print asks for, in the output encoding.
// Throws UsageError for a file that cannot be read or an unknown encoding.
ByteBlock RunBatch(const BatchOptions& options);

// The bytes of a text as the output encoding wants them.
ByteBlock ToOutputEncoding(const ByteBlock& gbk, const BatchOptions& options);

}  // namespace yanqi::batch
