#include "document/MenuRules.h"

#include "document/NewDocument.h"

namespace velko {

FileMenuState fileMenuRules(QStringView document) {
    static const QString skeleton = newDocumentSkeleton();
    const bool worthSaving = !document.isEmpty() && document != skeleton;
    return {worthSaving, worthSaving, !document.isEmpty()};
}

FormMenuState formMenuRules(bool formEmpty) {
    return {!formEmpty};
}

TagsMenuState tagsMenuRules(bool formEmpty, QStringView document, QStringView tags) {
    return {!formEmpty, !document.isEmpty() && !tags.isEmpty(), !tags.isEmpty(), !tags.isEmpty(),
            !document.isEmpty()};
}

} // namespace velko
