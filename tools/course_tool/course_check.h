#pragma once

#include "course_variety.h"

#include "data/course_content.h"
#include "data/progress_store.h"
#include "data/resource_install.h"

#include <QList>
#include <QString>

// The course check: everything in a course's resources that would stop the
// program from reading a paper, showing a page or judging an answer right,
// found before a pupil finds it. Window-free; it reads the resources into
// memory and writes nothing.
namespace orvanta {

enum class ProblemArea {
    Description, // resource 30000
    PaperLists,  // 30S12
    Questions,   // answer keys, question types and marks, 30S13..30S15
    Pages,       // question pages
    Templates,   // progress templates, 301S1..301S6
    Variety,     // repeated questions, type letters beyond the inventory
    Pictures,    // interface pictures 1..92
};

QString AreaTitle(ProblemArea area);

struct CourseProblem {
    ProblemArea area = ProblemArea::Description;
    int resource = 0; // resource number; 0 when the problem is in no single resource
    int subject = 0;  // 1..3; 0 when it concerns no one subject
    int paper = 0;    // paper number 101..150; 0 when none
    int question = 0; // question number; 0 when none
    int part = 0;     // part 1..20 of the question; 0 when none
    QString what;     // one readable sentence

    // "resource 30013, paper 101, question 10003, part 2": the known places only.
    QString where() const;
};

struct CourseCounts {
    int subjects = 0;  // present subjects
    int papers = 0;    // papers with a paper-list record
    int questions = 0; // different questions listed by the papers
    int parts = 0;     // answer parts of those questions
    int pages = 0;     // those questions' page resources that exist
    int pictures = -1; // interface pictures present; -1 when they were not checked
};

struct CourseCheckReport {
    CourseDescription course; // as far as it could be read
    CourseCounts counts;
    QList<CourseProblem> problems; // by area, subject, paper, question, part
    // The papers whose list, keys, types and marks read cleanly, with their
    // parts as the practice window would load them: the input of checks that
    // judge the keys.
    QList<PaperContent> papers;
    // How varied every present subject reads, in subject order.
    QList<SubjectVariety> variety;

    bool passed() const { return problems.isEmpty(); }
};

// What the check holds the course to beyond its format.
struct CourseCheckRules {
    // The parts per type letter each subject must hold (a quarter either way);
    // none: the letters are counted, not judged.
    std::optional<CourseInventory> inventory;
};

// Checks the course in `library` (the bundle or a folder of resources):
//   - the course description: title, code, subject names, topic and paper
//     counts (1..10 topics, five papers a topic), one topic name per topic;
//   - per present subject, a paper-list record for every paper 101..100+P, its
//     questions ascending; the answer key, type and mark tables with every
//     listed question, all records well formed and ascending, the three
//     records of a question with the same number of fields; type letters among
//     Q T L N F R X M G; marks whole numbers from 1; at most 20 parts a
//     question and 80 a paper; keys that can be stored and typed and have the
//     form their letter needs (key_forms.h);
//   - a sound page archive for every listed question (page_check.h);
//   - the six progress templates of every present subject byte for byte as
//     the course's paper and part counts define them;
//   - no question the same as another of its subject (text, options in any
//     order and pictures), and, with an inventory in `rules`, every type
//     letter's part count within a quarter of it; the most used opening
//     frames are measured and reported, not judged (course_variety.h).
// The interface pictures are checked apart (CheckInterfacePictures). Never
// throws; what cannot be read is a problem.
CourseCheckReport CheckCourse(const ResourceLibrary& library, const CourseCheckRules& rules = {});

// The bytes of the progress template `file` of a subject whose papers
// 101, 102, ... have the given part counts (the paper count is their number):
// "...", the six summary rows (four of empty fields, "FST" and "SST" of "0"),
// or one record of empty fields per paper, and a closing "..." without line
// end; the trend template is "#TRD#" and CR LF.
QByteArray ProgressTemplateBytes(ProgressFile file, const QList<int>& partsPerPaper);

// True when the library holds at least one interface picture resource.
bool HoldsInterfacePictures(const ResourceLibrary& library);

// Every one of the 89 interface pictures present and a complete file of its
// kind (picture_check.h).
QList<CourseProblem> CheckInterfacePictures(const ResourceLibrary& library);

// The report as a course author reads it: problems grouped by area and
// subject, at most `perGroup` listed per group (0: all), then a summary line
// with the counts.
QString FormatCheckReport(const CourseCheckReport& report, int perGroup);

} // namespace orvanta
