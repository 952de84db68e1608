#include "document/NewDocument.h"

namespace velko {

QString newDocumentSkeleton() {
    return QStringLiteral("<html>\r\n<head>\r\n\r\n</head>\r\n</html>");
}

} // namespace velko
