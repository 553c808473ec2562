#pragma once

#include <QString>

#include <stdexcept>

namespace qv::host {

// A failing host call: names the view, the filter position or the field concerned.
class HostError : public std::runtime_error {
public:
    explicit HostError(const QString& text) : std::runtime_error(text.toStdString()) {}
    QString text() const { return QString::fromStdString(what()); }
};

}  // namespace qv::host
