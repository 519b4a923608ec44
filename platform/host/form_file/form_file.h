#pragma once

// Form files: the tree, reading and writing.
#include "platform/host/form_file/form_reader.h"
#include "platform/host/form_file/form_tree.h"
#include "platform/host/form_file/form_writer.h"
