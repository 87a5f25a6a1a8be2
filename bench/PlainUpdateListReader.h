#pragma once
// A plain reader of update lists whose lines end with LF, written apart from
// the program's own: the benchmark times the program's reader against it,
// and the tests take it as the yardstick for LF lists. Records split on
// "----" CR LF; each record's first line is its title, the second its
// address, the rest its information with every LF turned into CR; the best
// version is 100 x major + 10 x minor + patch of the title's first word,
// each part and the sum taken as whole numbers the way the program
// converts a Double, so they saturate at the 32-bit bounds.
#include <algorithm>
#include <memory>
#include <string_view>
#include "Text.h"
#include "UpdateList.h"

inline int32_t ReferenceVersion(std::string_view title)
{
    std::string_view version = title.substr(0, title.find(' '));
    double parts[3] = {};
    for (double& part : parts) {
        const size_t dot = version.find('.');
        part = ToInteger(Val(version.substr(0, dot)));
        version = dot == std::string_view::npos ? std::string_view() : version.substr(dot + 1);
    }
    return ToInteger(100 * parts[0] + 10 * parts[1] + parts[2]);
}

inline UpdateList ReferenceParse(std::string_view page)
{
    constexpr std::string_view separator = "----\r\n";
    UpdateList result;
    result.info = std::make_shared<UpdateInfoClass>();
    if (page.empty()) return result;
    for (size_t from = 0;;) {
        const size_t at = page.find(separator, from);
        const std::string_view rec = page.substr(from, at == std::string_view::npos ? at : at - from);
        const size_t lf1 = rec.find('\n');
        const size_t lf2 = lf1 == std::string_view::npos ? lf1 : rec.find('\n', lf1 + 1);
        const std::string_view title = rec.substr(0, lf1);
        const std::string_view address =
            lf1 == std::string_view::npos ? std::string_view() : rec.substr(lf1 + 1, lf2 - lf1 - 1);
        String info(lf2 == std::string_view::npos ? std::string_view() : rec.substr(lf2 + 1));
        std::replace(info.begin(), info.end(), '\n', '\r');
        result.info->OS.Append(String(title));
        result.info->newurl.Append(String(address));
        result.info->Updateinfo.Append(std::move(info));
        result.best = std::max(result.best, ReferenceVersion(title));
        if (at == std::string_view::npos) return result;
        from = at + separator.size();
    }
}
