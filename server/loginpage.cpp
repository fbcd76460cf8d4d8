#include "loginpage.h"

namespace {

const char *const kStyle =
    "body{font-family:system-ui,sans-serif;background:#f4f6f8;margin:0;display:flex;justify-content:center}"
    "main{background:#fff;margin-top:8vh;padding:32px 36px;border-radius:10px;box-shadow:0 2px 12px #0002;width:340px}"
    "h1{font-size:20px;margin:0 0 20px}label{display:block;font-size:13px;margin:12px 0 4px;color:#333}"
    "input[type=email],input[type=password],input[type=text]{width:100%;box-sizing:border-box;padding:8px;"
    "border:1px solid #bbb;border-radius:6px;font-size:14px}"
    "button{margin-top:20px;width:100%;padding:10px;border:0;border-radius:6px;background:#00897B;color:#fff;"
    "font-size:15px;cursor:pointer}.error{background:#fdecea;color:#C62828;padding:8px;border-radius:6px;font-size:13px}"
    "p.switch{font-size:13px;text-align:center;margin-top:16px}";

QString hidden(const char *name, const QString &value)
{
    return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">")
        .arg(QLatin1String(name), value.toHtmlEscaped());
}

} // namespace

QByteArray LoginPage::render(const QString &actionPath, const Fields &f, const QString &errorText)
{
    const QString title = f.signUp ? tr("Create your account") : tr("Sign in");
    QString html = QStringLiteral("<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\">"
                                  "<meta name=\"viewport\" content=\"width=device-width\"><title>%1</title><style>%2</style>"
                                  "</head><body><main><h1>%1</h1>")
                       .arg(title, QLatin1String(kStyle));
    if (!errorText.isEmpty())
        html += QStringLiteral("<p class=\"error\">%1</p>").arg(errorText.toHtmlEscaped());
    html += QStringLiteral("<form method=\"post\" action=\"%1\">").arg(actionPath.toHtmlEscaped());
    html += hidden("client_id", f.clientId) + hidden("redirect_uri", f.redirectUri) + hidden("state", f.state)
        + hidden("mode", f.signUp ? QStringLiteral("signup") : QStringLiteral("signin"));
    html += QStringLiteral("<label for=\"email\">%1</label><input id=\"email\" type=\"email\" name=\"email\" "
                           "required autofocus value=\"%2\">")
                .arg(tr("E-mail"), f.email.toHtmlEscaped());
    if (f.signUp)
        html += QStringLiteral("<label for=\"display_name\">%1</label><input id=\"display_name\" "
                               "type=\"text\" name=\"display_name\" value=\"%2\">")
                    .arg(tr("Display name"), f.displayName.toHtmlEscaped());
    html += QStringLiteral("<label for=\"password\">%1</label><input id=\"password\" type=\"password\" "
                           "name=\"password\" required%2>")
                .arg(f.signUp ? tr("Password (at least 8 characters)") : tr("Password"),
                     f.signUp ? QStringLiteral(" minlength=\"8\"") : QString());
    html += QStringLiteral("<button type=\"submit\">%1</button></form>")
                .arg(f.signUp ? tr("Create account") : tr("Sign in"));
    html += QStringLiteral("<p class=\"switch\"><form method=\"post\" action=\"%1\">").arg(actionPath.toHtmlEscaped())
        + hidden("client_id", f.clientId) + hidden("redirect_uri", f.redirectUri) + hidden("state", f.state)
        + hidden("mode", f.signUp ? QStringLiteral("show-signin") : QStringLiteral("show-signup"))
        + QStringLiteral("<button type=\"submit\" style=\"background:#fff;color:#00897B\">%1</button></form></p>")
              .arg(f.signUp ? tr("I already have an account") : tr("Create an account"));
    html += QStringLiteral("</main></body></html>");
    return html.toUtf8();
}

QByteArray LoginPage::refusal(const QString &text)
{
    return QStringLiteral("<!DOCTYPE html><html lang=\"en\"><head><meta charset=\"utf-8\"><title>%1</title>"
                          "<style>%2</style></head><body><main><h1>%1</h1><p class=\"error\">%3</p>"
                          "</main></body></html>")
        .arg(tr("Sign-in refused"), QLatin1String(kStyle), text.toHtmlEscaped())
        .toUtf8();
}
