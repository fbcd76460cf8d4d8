#pragma once

#include <QString>
#include <QUrl>

// Where "Send Feedback..." takes the person.
struct FeedbackConfig
{
    QString product;
    QUrl baseUrl;
};
