#pragma once

namespace store {
class Cursor;
}

namespace kzp {

struct RuleContext;

// The deletion guard of the departments table (TDzialy): only an administrator deletes a
// department, and only after confirming that members lose their assignment to it.
void TDzialyBeforeDelete(RuleContext& ctx, store::Cursor& c);

// Hangs the departments table's rules on the data module's TDzialy cursor.
void installDepartmentRules(RuleContext& ctx);

} // namespace kzp
