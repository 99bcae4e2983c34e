#pragma once
// The environment of every program Zelkor starts (mail program, remote
// support): its own, less the database password.
#include <QProcessEnvironment>

namespace childprocess {
QProcessEnvironment environment();
}
