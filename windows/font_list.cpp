#include "font_list.h"

#include <boost/regex.hpp>

namespace windows {

FontList makeFontList(const std::vector<std::string>& reported) {
    const boost::regex listed("^[^A-Za-z@].*");
    std::vector<std::string> names;
    for (auto name = reported.rbegin(); name != reported.rend(); ++name)
        if (names.empty() || names.back() != *name)
            names.push_back(*name);

    FontList list;
    for (const std::string& name : names) {
        if (!boost::regex_match(name, listed))
            continue;
        list.items.push_back(name);
        if (name == preferredFont)
            list.current = static_cast<int>(list.items.size()) - 1;
    }
    return list;
}

} // namespace windows
