#include "kit/WindowContext.h"
#include "base/Language.h"

QString WindowRow::windowClass() const {
    return QString::fromLatin1(page >= 0 ? pageInfo(PageSlot(page)).windowClass : className);
}

QString WindowRow::form() const {
    return QString::fromLatin1(page >= 0 ? pageInfo(PageSlot(page)).formName : formName);
}

QString WindowRow::windowTitle() const {
    return page >= 0 ? tx("page", pageInfo(PageSlot(page)).title) : tx("windows", title);
}
