#pragma once
// Reading the maker's update list: records separated by "----" CR LF, each
// a title line, an address line and information lines, ended by LF or CR LF.
#include <cstdint>
#include <memory>
#include <string_view>
#include "Text.h"
#include "UpdateInfoClass.h"

struct UpdateList {
    std::shared_ptr<UpdateInfoClass> info;
    // The highest version value among the records, never below 0.
    int32_t best = 0;
};

// 100 x major + 10 x minor + patch of a version text such as "1.0.2"; a part
// without a leading number counts 0, a fourth and later part is ignored.
// Parts and sums beyond the 32-bit range saturate.
int32_t VersionValue(std::string_view version);

// The version value of a record's title line: its text up to the first blank.
int32_t TitleVersionValue(std::string_view titleLine);

// Every record of the page, in page order, and the best version value.
UpdateList ParseUpdateList(const String& page);
