#pragma once

#include "data/BatchModes.h"

namespace kzp {

class Dialogs;
class Session;
class TDM;

// What the record rules of the data module work with: the cursors, who works and for which date,
// the message boxes and the batch switches. Created once by main beside the data module.
struct RuleContext {
    TDM& dm;
    Session& session;
    Dialogs& dialogs;
    BatchModes batch;
};

} // namespace kzp
