#pragma once

namespace mirta::store {

class TDM;
class TableComponent;

// Checks of the identity numbers of Mirta.DB beyond the record rules: a PESEL or NIP that fails
// its check digit, a PESEL that disagrees with the date of birth or sex, and an employee number
// held by someone else each ask whether to save anyway. Never a refusal on its own: the payroll
// program's data may hold such values. A valid PESEL fills an empty date of birth and sex.
void PodlaczNumeryIdentyfikacyjne(TDM& tdm, TableComponent& pracownicy);

}  // namespace mirta::store
