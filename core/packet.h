// The packet core: format, name hash, reader, writer and the Builder's resource list.
#pragma once

#include "codepage.h"
#include "comment_text.h"
#include "name_hash.h"
#include "packet_format.h"
#include "packet_reader.h"
#include "packet_writer.h"
#include "resource_list.h"
