#pragma once

// The money, date and text helpers in one include.
#include "common/AmountText.h"
#include "common/Calendar.h"
#include "common/DateTexts.h"
#include "common/DateTriple.h"
#include "common/MakeFolder.h"
#include "common/MoneyRounding.h"
#include "common/MonthNames.h"
