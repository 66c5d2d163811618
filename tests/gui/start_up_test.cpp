// The built program as a pupil starts it, under Xvfb, with ORVANTA_START_CHECK
// set so that it quits once its start-up is done: it comes up on a fresh
// folder and says nothing of the web engine's configuration unless
// QT_LOGGING_RULES asks for it, nor of OpenGL, in software or OpenGL drawing.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct StartRow {
    const char* name;
    const char* loggingRules; // null: QT_LOGGING_RULES unset
    bool engineDumpShown;
    const char* webRendering = nullptr; // ORVANTA_WEB_RENDERING, null: unset
};

const StartRow kStartRows[] = {
    {"quiet_by_default", nullptr, false},
    {"rules_for_other_categories", "qt.widgets.*=false", false},
    {"logging_rules_turn_the_dump_on", "qt.webenginecontext=true", true},
    {"opengl_drawing_asked_for", nullptr, false, "gpu"},
};

TEST(StartUpTest, theProgramStartsQuietlyUnlessLoggingIsAskedFor) {
    for (const StartRow& row : kStartRows) {
        SCOPED_TRACE(row.name);
        QTemporaryDir home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("ORVANTA_HOME"), home.path());
        env.insert(QStringLiteral("ORVANTA_START_CHECK"), QStringLiteral("1"));
        env.remove(QStringLiteral("QT_LOGGING_RULES"));
        if (row.loggingRules)
            env.insert(QStringLiteral("QT_LOGGING_RULES"), QString::fromLatin1(row.loggingRules));
        env.remove(QStringLiteral("QT_QUICK_BACKEND"));
        env.remove(QStringLiteral("QT_XCB_GL_INTEGRATION"));
        env.remove(QStringLiteral("ORVANTA_WEB_RENDERING"));
        if (row.webRendering)
            env.insert(QStringLiteral("ORVANTA_WEB_RENDERING"),
                       QString::fromLatin1(row.webRendering));

        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(ORVANTA_PROGRAM), {});
        ASSERT_TRUE(program.waitForFinished(120000)) << "the program did not quit";
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());

        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << errors.toStdString();
        EXPECT_EQ(errors.contains(QStringLiteral("qt.webenginecontext")), row.engineDumpShown)
            << errors.toStdString();
        // Drawing the pages in software, the program says nothing of the
        // OpenGL it does without (the engine's own dump, when asked for,
        // describes it).
        if (!row.engineDumpShown) {
            EXPECT_FALSE(errors.contains(QStringLiteral("OpenGL"))) << errors.toStdString();
            EXPECT_FALSE(errors.contains(QStringLiteral("graphics backend")))
                << errors.toStdString();
        }
    }
}

} // namespace
