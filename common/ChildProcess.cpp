#include "common/ChildProcess.h"

namespace childprocess {

QProcessEnvironment environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("ISC_PASSWORD"));
    return env;
}

} // namespace childprocess
