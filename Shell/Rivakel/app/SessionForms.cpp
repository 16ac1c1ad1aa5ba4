#include "app/SessionForms.h"

#include "app/App.h"
#include "core/net/NetResults.h"
#include "core/outbox/COutbox.h"
#include "core/store/UserStore.h"
#include "frame/pages/FormPages.h"
#include "frame/shell/Shell.h"

void AddFormPagesToShellConfig(ShellConfig& config) {
    // Without the catalogue (a development run of one game) the pages show no game rows.
    auto* table = dynamic_cast<CGameTable*>(config.games.get());
    config.registerPages = [table, before = std::move(config.registerPages)](CShell& shell) {
        if (before) before(shell);
        FormPagesConfig forms;
        forms.table = table;
        forms.installed = [] { return g_pApp != nullptr && g_pApp->IsInstalled(); };
        forms.installShell = [] {
            if (g_pApp != nullptr) g_pApp->Install();
        };
        forms.saveStore = [] {
            if (CSubsystem_UserStore* store = UserStore()) store->SaveCore();
        };
        forms.send = [](int type, std::string_view function, std::string_view params, bool forceConn, int priority,
                        ReplyHandler handler, ReplyWait& wait) {
            COutbox* outbox = Outbox();
            return outbox != nullptr
                       ? outbox->SendAndWait(type, function, params, forceConn, priority, std::move(handler), wait)
                       : kNetUnavailable;
        };
        RegisterFormPages(shell, std::move(forms));
    };
}
