// The packet core: format, name hash, reader, writer, strict check and the Builder's resource list.
#pragma once

#include "byte_order.h"
#include "codepage.h"
#include "comment_text.h"
#include "name_hash.h"
#include "packet_check.h"
#include "packet_export.h"
#include "packet_format.h"
#include "packet_reader.h"
#include "packet_writer.h"
#include "resource_list.h"
