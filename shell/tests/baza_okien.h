#pragma once

#include <QApplication>
#include <QMessageBox>

#include "shell/kit/polski.h"
#include "shell/kit/testing/demo_okien.h"

namespace mirta::shell::testing {

using BazaOkien = kit::testing::DemoOkien;
using kit::testing::Zrzut;

}  // namespace mirta::shell::testing
