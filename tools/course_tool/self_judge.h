#pragma once

#include "course_check.h"

#include "data/course_content.h"

#include <QList>

// The course's keys tried on the judge itself: every key of a paper, given as
// its own answer (for an answer group, the head's alternatives in order, one
// per part), must be judged right. A key its own judge finds wrong is a fault
// of the content or of the judge, and no pupil could ever get that part right.
namespace orvanta {

// Problems of `paper` (area Questions, resource = the subject's answer key),
// in part order; empty when every part judges its own key right.
QList<CourseProblem> SelfJudgeProblems(const PaperContent& paper);

} // namespace orvanta
