// --generate and --form-template: a form file in or out, no page.

#include "cli/Modes.h"
#include "fields/FormFile.h"
#include "tags/TagBlock.h"

namespace velko {

int runGenerate(const ModeCall &call) {
    if (!call.operands().isEmpty())
        return call.session.usageError(QStringLiteral("--generate takes only a form file"));
    const std::optional<FormValue> form =
        call.session.readForm(call.parser.value(call.options.generate));
    if (!form)
        return kUsage;
    const DcNameCase dcCase = call.parser.isSet(call.options.lowerCaseDc) ? DcNameCase::LowerCase
                                                                          : DcNameCase::Capitalised;
    const QString block = BuildTagBlock(*form, dcCase);
    if (block.isEmpty())
        return call.session.fail(kFailed, QStringLiteral("There are no meta tags to generate."));
    call.session.print(block.toUtf8());
    return kDone;
}

int runFormTemplate(const ModeCall &call) {
    if (!call.operands().isEmpty())
        return call.session.usageError(QStringLiteral("--form-template takes nothing else"));
    call.session.print(formTemplateText());
    return kDone;
}

} // namespace velko
