// The entry point of the browser module: the web engine's profile with the
// built-in site is made at the first window and kept for the rest of the run.
#include "BrowserModuleApi.h"
#include "SiteScheme.h"
#include "TWebForm.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QWebEngineProfile>

// Exported by Qt GUI; the public API only reads the shared context.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);

namespace {

// The web engine draws its pages on an OpenGL context shared with the
// application's windows. The player does not ask for one at start, which
// would load the OpenGL driver on every run; the module makes it here, before
// the engine starts.
void EnsureSharedContext() {
    if (QOpenGLContext::globalShareContext())
        return;
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    if (context->create()) {
        qt_gl_set_global_share_context(context);
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    } else {
        delete context;
    }
}

} // namespace

extern "C" Q_DECL_EXPORT QMainWindow* sorvi_create_browser_window(const BrowserWindowSetup& setup) {
    static QWebEngineProfile* profile = nullptr;
    if (!profile) {
        // Before the first web engine object: the schemes must be known to it.
        EnsureSharedContext();
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
