// The Debian package `make package` builds: its fields and lintian's verdict.
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "tests/install/command.h"

using namespace zolvik_install_test;

namespace {

class PackageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        scratch_ = new QTemporaryDir;
        const CommandResult result =
            RunCommand(ZOLVIK_CPACK_COMMAND, {"--config", BuildPath("CPackConfig.cmake"), "-B",
                                              scratch_->filePath("out")});
        log_ = new QString(result.out + result.err);
        const QStringList debs = QDir(scratch_->filePath("out")).entryList({"*.deb"}, QDir::Files);
        if (result.status == 0 && debs.size() == 1)
            deb_ = new QString(scratch_->filePath("out/" + debs.front()));
    }

    static void TearDownTestSuite()
    {
        delete deb_;
        delete log_;
        delete scratch_;
    }

    void SetUp() override
    {
        if (QStandardPaths::findExecutable("dpkg-deb").isEmpty())
            GTEST_SKIP() << "dpkg-deb is not installed (Debian's dpkg)";
        ASSERT_NE(deb_, nullptr) << log_->toStdString();
    }

    static QString Deb() { return *deb_; }

private:
    static inline QTemporaryDir *scratch_ = nullptr;
    static inline QString *log_ = nullptr;
    static inline QString *deb_ = nullptr;
};

}  // namespace

TEST_F(PackageTest, ControlFieldsNameVersionMaintainerAndComputedDependencies)
{
    const CommandResult fields = RunCommand("dpkg-deb", {"--field", Deb()});
    ASSERT_EQ(fields.status, 0) << fields.err.toStdString();
    const struct {
        const char *field;
        const char *pattern;
    } expected[] = {
        {"Package", "^zolvik-tools$"},
        {"Version", "^" ZOLVIK_VERSION "$"},
        {"Maintainer", "^.+ <.+@.+>$"},
        {"Description", "^tool box for firmware and hardware developers$"},
        // Computed from the binaries by dpkg-shlibdeps, with versions.
        {"Depends", "libqt6widgets6 \\(>= 6[^)]*\\)"},
        {"Depends", "libc6 \\(>= 2[^)]*\\)"},
        {"Depends", "libstdc\\+\\+6 \\(>= "},
    };
    for (const auto &field : expected) {
        const QRegularExpression line(QString("^%1: (.*)$").arg(field.field),
                                      QRegularExpression::MultilineOption);
        const QString value = line.match(fields.out).captured(1);
        EXPECT_TRUE(QRegularExpression(field.pattern).match(value).hasMatch())
            << field.field << ": " << value.toStdString();
    }
}

TEST_F(PackageTest, LintianReportsNoErrors)
{
    ZOLVIK_REQUIRE_TOOL("lintian", "lintian");
    const CommandResult result = RunCommand("lintian", {"--allow-root", Deb()});
    const QStringList errors = result.out.split('\n').filter(QRegularExpression("^E: "));
    EXPECT_EQ(errors, QStringList()) << result.out.toStdString();
    EXPECT_FALSE(result.err.contains("E: ")) << result.err.toStdString();
}
