#include "core/Window.h"

#include <stdexcept>

#include "db/TDm.h"

namespace wy {

QString eventName(Event e) {
    switch (e) {
        case Event::Click:
            return "Click";
        case Event::DblClick:
            return "DblClick";
        case Event::Enter:
            return "Enter";
        case Event::Change:
            return "Change";
        case Event::HeaderClick:
            return "HeaderClick";
        case Event::Select:
            return "Select";
        case Event::Check:
            return "Check";
    }
    return {};
}

Window::Window(Context& ctx, const QString& className, const QString& caption)
    : ctx_(ctx), className_(className), caption_(caption) {}

Window::~Window() = default;

void Window::setCaption(const QString& c) {
    if (c == caption_) return;
    caption_ = c;
    Q_EMIT captionChanged();
}

TDm& Window::dm() const {
    return ctx_.dm;
}

bool Window::setParam(const QString& name, const QVariant& value) {
    if (name == QLatin1String("Tag")) {
        Tag = value.toLongLong();
        return true;
    }
    if (name == QLatin1String("AccessLevel")) {
        AccessLevel = value.toLongLong();
        return true;
    }
    if (name == QLatin1String("Caption")) {
        setCaption(value.toString());
        return true;
    }
    return false;
}

void Window::setParams(const Params& params) {
    for (auto it = params.begin(); it != params.end(); ++it) {
        if (!setParam(it.key(), it.value()))
            throw std::invalid_argument(
                QString("%1 has no input %2").arg(className_, it.key()).toStdString());
    }
}

Control* Window::find(const QString& name) const {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second.get();
}

Control& Window::control(const QString& name) const {
    Control* c = find(name);
    if (!c)
        throw std::invalid_argument(
            QString("%1 has no control %2").arg(className_, name).toStdString());
    return *c;
}

Control& Window::add(ControlKind kind, const QString& name, const QString& caption) {
    auto c = std::make_unique<Control>(kind, name, this);
    c->setCaption(caption);
    Control& ref = *c;
    order_.push_back(c.get());
    controls_[name] = std::move(c);
    return ref;
}

void Window::on(Control& c, Event e, std::function<void()> handler) {
    handlers_[{c.name(), e}] = [h = std::move(handler)](const EventArgs&) { h(); };
}

void Window::on(Control& c, Event e, std::function<void(const EventArgs&)> handler) {
    handlers_[{c.name(), e}] = std::move(handler);
}

bool Window::hasHandler(const QString& control, Event event) const {
    return handlers_.count({control, event}) > 0;
}

void Window::userSet(Control& c, const QString& value) {
    c.setValue(value);
    if (c.kind() == ControlKind::Radio && c.checked())
        for (Control* other : order_)
            if (other != &c && other->kind() == ControlKind::Radio && other->group() == c.group())
                other->setChecked(false);
    fire(c.name(), Event::Change);
}

bool Window::fire(const QString& control, Event event, const EventArgs& args) {
    auto it = handlers_.find({control, event});
    if (it == handlers_.end()) return false;
    auto handler = it->second;  // a handler may replace handlers while it runs
    try {
        handler(args);
    } catch (const std::exception& e) {
        // What the toolkit does with an error no handler caught: show its text.
        shell().message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
    }
    return true;
}

void Window::beginShow() {
    closed_ = false;
    modalResult_ = mrNone;
    try {
        FormShow();
    } catch (const std::exception& e) {
        shell().message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
    }
}

bool Window::Close(int result) {
    if (closed_) return true;
    bool mayClose = true;
    try {
        mayClose = FormCloseQuery();
    } catch (const std::exception& e) {
        shell().message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
        mayClose = false;
    }
    if (!mayClose) return false;
    modalResult_ = result;
    closed_ = true;
    try {
        FormClose();
    } catch (const std::exception& e) {
        shell().message(QString::fromStdString(e.what()), QStringLiteral("错误"), Icon::Error);
    }
    Q_EMIT closed();
    return true;
}

void Window::setFocus(Control& c) {
    focus_ = &c;
    Q_EMIT focusRequested(&c);
}

void Window::message(const QString& text, const QString& caption, Icon icon) const {
    shell().message(text, caption, icon);
}

bool Window::askYesNo(const QString& text, const QString& caption, Icon icon) const {
    return shell().ask(text, caption, icon, Buttons::YesNo) == Answer::Yes;
}

bool Window::askOkCancel(const QString& text, const QString& caption, Icon icon) const {
    return shell().ask(text, caption, icon, Buttons::OkCancel) == Answer::Ok;
}

bool Window::canModify() const {
    if (AccessLevel >= 2 || login().isAdministrator()) return true;
    message(QStringLiteral("无修改权限:请联系管理员"));
    return false;
}

bool Window::canDelete() const {
    if (AccessLevel >= 3 || login().isAdministrator()) return true;
    message(QStringLiteral("无删除权限:请联系管理员"));
    return false;
}

std::unique_ptr<Window> Window::openWindow(const QString& name, const Params& params) {
    auto w = createWindow(name, ctx_);
    if (!w) {
        message(QStringLiteral("该功能模块尚未安装。"), QStringLiteral("提示"), Icon::Info);
        return nullptr;
    }
    w->setParams(params);
    shell().showModal(*w);
    return w;
}

// --- registry

namespace {
std::map<QString, WindowFactory>& registry() {
    static std::map<QString, WindowFactory> r;
    return r;
}
}  // namespace

void registerWindow(const QString& className, WindowFactory factory) {
    registry()[className] = std::move(factory);
}

std::unique_ptr<Window> createWindow(const QString& className, Context& ctx) {
    auto it = registry().find(className);
    if (it == registry().end()) return nullptr;
    return it->second(ctx);
}

bool isWindowRegistered(const QString& className) {
    return registry().count(className) > 0;
}

QStringList registeredWindows() {
    QStringList names;
    for (const auto& [name, f] : registry()) names << name;
    return names;
}

}  // namespace wy
