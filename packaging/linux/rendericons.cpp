// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Build step: renders the XPM icon as PNG files for the desktop icon theme,
// at its own size and doubled pixel for pixel.
#include <QCoreApplication>
#include <QImage>

int main(int argc, char *argv[])
{
    if (argc < 3) {
        qWarning("usage: %s icon.xpm output-prefix [size...]", argv[0]);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull()) {
        qWarning("cannot read %s", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString path = QString::fromLocal8Bit(argv[2]) + QString::number(size) + QStringLiteral(".png");
        if (!scaled.save(path)) {
            qWarning("cannot write %s", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
