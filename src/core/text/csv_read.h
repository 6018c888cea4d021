// CSV as users hand it in (RFC 4180, as spreadsheets and other programs write it): fields
// separated by commas, records ended by CR LF or LF, a field in double quotes may hold commas,
// line breaks and doubled quotes. The bytes are UTF-8 (with or without a byte-order mark) or code
// page 932, told apart by the bytes themselves.
#pragma once

#include <string_view>
#include <vector>

#include "core/text/error.h"
#include "core/text/text.h"

namespace tev {

struct CsvRecord {
    int line = 0;  // the 1-based line of the file where the record starts
    std::vector<Text> fields;
};

// Every record of `bytes`, blank lines left out. `name` is the file's, for the errors: not text
// (a NUL byte), neither UTF-8 nor code page 932, a quote never closed, or text after a closing
// quote (each with its line).
Result<std::vector<CsvRecord>> read_csv(std::string_view bytes, const std::string& name);

}  // namespace tev
