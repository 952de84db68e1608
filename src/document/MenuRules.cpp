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
    const bool insert = !document.isEmpty() && !tags.isEmpty();
    return {!formEmpty, insert, insert, !tags.isEmpty(), !tags.isEmpty(), !document.isEmpty()};
}

} // namespace velko
