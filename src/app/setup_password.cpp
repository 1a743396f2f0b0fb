// kurvo32 setup password: the password dialog's OK (--check) or the set
// password dialog's OK (--change).
#include "admin/password_dialogs.h"
#include "admin/password_record.h"
#include "expr/encoding.h"
#include "setup_admin.h"
#include "setup_dialogs.h"
#include "workspace/data_files.h"
#include "workspace/folders.h"

namespace kurvo::app {
namespace {

int RunPassword(SetupContext& c) {
    const bool check = c.options.isSet("check"), change = c.options.isSet("change");
    if (check == change) return SetupFail("password", "give one of --check TEXT and --change OLD NEW REPEAT");
    if (change != (c.arguments.size() == 2) || (check && !c.arguments.empty()))
        return SetupFail("password", "--change takes OLD NEW REPEAT");

    const PasswordBytes fallback = SerializePassword(kFirstPassword);
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadRecordOr(c.dataFolder, "pass.dat", {fallback.begin(), fallback.end()}, bytes, error)) {
        c.host.ShowError(error);
        return 1;
    }
    std::string record = DeserializePassword(bytes.data());
    if (check) {
        if (!PasswordAccepted(Utf8ToCp1252(c.options.value("check").toStdString()), record)) {
            c.host.ShowInformation(kIncorrectPassword);
            return 1;
        }
        PrintCp1252Line("accepted");
        return 0;
    }
    const PasswordChange result = ChangePassword(record, Utf8ToCp1252(c.options.value("change").toStdString()),
                                                 c.arguments[0], c.arguments[1],
                                                 DataFilePath(c.dataFolder, "pass.dat"));
    if (!result.changed) {
        c.host.ShowInformation(result.message);
        return 1;
    }
    PrintCp1252Line(result.message);
    return 0;
}

const SetupRegistration registration({
    "password",
    "the Administrator Password and Set Admin Password dialogs",
    "  --check TEXT        the password dialog's OK: prints \"accepted\" when TEXT\n"
    "                      is the password (letter case ignored, 12 characters)\n"
    "  --change OLD NEW REPEAT\n"
    "                      the set password dialog's OK: OLD exactly as stored;\n"
    "                      writes pass.dat and prints \"Password changed\"\n\n"
    "A missing pass.dat holds the first password, kurvo32. Exit status 1: the\n"
    "password is wrong, the new entries differ or pass.dat cannot be written.\n",
    [](QCommandLineParser& p) {
        p.addOption({"check", "Check a password.", "TEXT"});
        p.addOption({"change", "Change the password.", "OLD"});
        p.addPositionalArgument("NEW", "The new password.");
        p.addPositionalArgument("REPEAT", "The new password again.");
    },
    RunPassword,
});

}  // namespace
}  // namespace kurvo::app
