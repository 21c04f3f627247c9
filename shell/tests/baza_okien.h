#pragma once

#include <QApplication>
#include <QMessageBox>

#include "kit/polski.h"
#include "store/ui/testing/demo_okien.h"

namespace mirta::shell::testing {

using BazaOkien = store::ui::testing::DemoOkien;
using store::ui::testing::Zrzut;

}  // namespace mirta::shell::testing
