#include "definition_check.h"

#include <set>

namespace toolkit {

std::string findDefinitionFault(const WindowDefinition& definition) {
    if (definition.name.empty())
        return "a window without a name";
    std::set<std::string> seen;
    std::set<std::string> groupBoxes;
    for (const ControlDefinition& control : definition.controls) {
        if (control.name.empty())
            return definition.name + ": a control without a name";
        if (!seen.insert(control.name).second)
            return definition.name + ": " + control.name + " is defined twice";
        if (!control.parent.empty() && !groupBoxes.contains(control.parent))
            return definition.name + ": " + control.name + " lies in " + control.parent +
                   ", which is no group box listed before it";
        if (std::holds_alternative<GroupBoxSettings>(control.settings))
            groupBoxes.insert(control.name);
    }
    for (const HandlerBinding& binding : definition.handlers) {
        if (!binding.handler)
            return definition.name + ": a handler binding without a handler";
        if (!binding.control.empty() && !seen.contains(binding.control))
            return definition.name + ": a handler for the unknown control " + binding.control;
    }
    return {};
}

} // namespace toolkit
