// The entry point of the browser module: the web engine's profile with the
// built-in site is made at the first window and kept for the rest of the run.
#include "BrowserModuleApi.h"
#include "SiteScheme.h"
#include "TWebForm.h"

#include <QCoreApplication>
#include <QWebEngineProfile>

extern "C" Q_DECL_EXPORT QMainWindow* sorvi_create_browser_window(const BrowserWindowSetup& setup) {
    static QWebEngineProfile* profile = nullptr;
    if (!profile) {
        // Before the first web engine object: the schemes must be known to it.
        RegisterSiteScheme();
        // Private to this run: no cookies or cache on disk.
        profile = new QWebEngineProfile(QCoreApplication::instance());
        auto* site = new SiteSchemeHandler(*setup.site, profile);
        InstallSiteSchemes(*profile, *site, profile);
    }
    TWebFormContext context;
    static_cast<BrowserWindowSetup&>(context) = setup;
    context.profile = profile;
    return new TWebForm(std::move(context));
}
