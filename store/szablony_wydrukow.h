#pragma once

// The rules of the template registry Wydruki.DB: defaults of a new template and the checks
// and corrections before one is stored.

#include <string>
#include <string_view>

namespace mirta::store {

class TDM1;
class TableComponent;

// A template's file name as stored: in capitals, ending in ".RTF" ("c:\wzory\decyzja" ->
// "C:\WZORY\DECYZJA.RTF", "a.rtf" -> "A.RTF").
std::string NazwaZbioruSzablonu(std::string_view nazwa);

void PodlaczSzablonyWydrukow(TDM1& t, TableComponent& c);

}  // namespace mirta::store
