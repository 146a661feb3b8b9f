#include "ui/application_identity.h"

#include <QCoreApplication>

#include <zelvarin/app_identity.h>

namespace zelvarin::ui {

void applyApplicationIdentity()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(identity::kTitle));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(identity::kVersionText));
}

} // namespace zelvarin::ui
