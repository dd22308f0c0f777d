#pragma once
// The pay items, one small function each, called by the run in this order:
// the post's or the hours' pay, seniority and zone, the decree lines and the
// national incentive, productivity, absences, the contribution base, the
// minimum-pay top-up, transport, the family allowances and the deductions.

#include "run.h"

namespace sueldara::items {

// Post: lines 001, 002, 052, 016 and the header of the post.
void positionPay(Run& run);
// Post: the amounts of 006, 084 and 113 (no lines).
void positionDecreeAmounts(Run& run);

enum class HoursLevel { medio, superior };
// Hours: the header, line 001 and the amounts of 006, 084 and 113.
void hoursPay(Run& run, HoursLevel level);

// 010 and 078.
void seniorityAndZone(Run& run);
// 006, 014, 084, 113.
void decreeLines(Run& run);
// 188; the absence reduction; the contribution base; 172; 029.
void productivity(Run& run);
void absenceReduction(Run& run);
void contributionBase(Run& run);
void minimumTopUp(Run& run);
void transport(Run& run);
// 1001, 1002, 1003, 1010.
void childAllowance(Run& run);
// The children's allowance per child for an income test sum.
int perChildAllowance(Money income);
void disabledChildAllowance(Run& run);
void largeFamily(Run& run);
void spouseAllowance(Run& run);
// 440 and the seven percentage deductions.
void absenceAdjustment(Run& run);
void deductions(Run& run);

}  // namespace sueldara::items
