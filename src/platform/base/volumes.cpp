#include "platform/base/volumes.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>

namespace platform
{

namespace
{

bool isSystemFileSystem(const QString& type)
{
    static const QSet<QString> system = {
        QStringLiteral("proc"),        QStringLiteral("sysfs"),
        QStringLiteral("devpts"),      QStringLiteral("devtmpfs"),
        QStringLiteral("cgroup"),      QStringLiteral("cgroup2"),
        QStringLiteral("mqueue"),      QStringLiteral("securityfs"),
        QStringLiteral("debugfs"),     QStringLiteral("tracefs"),
        QStringLiteral("pstore"),      QStringLiteral("bpf"),
        QStringLiteral("autofs"),      QStringLiteral("hugetlbfs"),
        QStringLiteral("fusectl"),     QStringLiteral("configfs"),
        QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),
        QStringLiteral("nsfs"),        QStringLiteral("tmpfs"),
        QStringLiteral("squashfs"),    QStringLiteral("ramfs"),
        QStringLiteral("rpc_pipefs"),  QStringLiteral("selinuxfs"),
        QStringLiteral("fuse.portal"), QStringLiteral("fuse.gvfsd-fuse")};
    return system.contains(type);
}

bool isUnder(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

bool isSystemPlace(const QString& root)
{
    if (isUnder(root, QStringLiteral("/run")))
        return !isUnder(root, QStringLiteral("/run/media"));
    for (const char* place : {"/proc", "/sys", "/dev", "/boot", "/snap", "/var/lib", "/etc"})
        if (isUnder(root, QLatin1String(place)))
            return true;
    return false;
}

QString cleaned(const QString& path)
{
    return QDir::cleanPath(QDir::fromNativeSeparators(path));
}

} // namespace

QList<Volume> volumesForUser(const QString& homePath, const QList<Volume>& mounts)
{
    QList<Volume> out;
    QSet<QString> seen;
    const QString home = cleaned(homePath);
    if (!home.isEmpty()) {
        out.append({home, QStringLiteral("Persönlicher Ordner (%1)").arg(home), QString()});
        seen.insert(home);
    }
    QList<Volume> volumes;
    for (const Volume& mount : mounts) {
        const QString root = cleaned(mount.rootPath);
        if (root.isEmpty() || seen.contains(root) || isSystemFileSystem(mount.fileSystem) ||
            isSystemPlace(root))
            continue;
        seen.insert(root);
        const QString name = mount.label.trimmed();
        const QString label =
            name.isEmpty() || name == root ? root : QStringLiteral("%1 (%2)").arg(root, name);
        volumes.append({root, label, mount.fileSystem});
    }
    std::sort(volumes.begin(), volumes.end(),
              [](const Volume& a, const Volume& b) { return a.rootPath < b.rootPath; });
    return out + volumes;
}

QList<Volume> mountedVolumes()
{
    QList<Volume> mounts;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        if (!storage.isValid() || !storage.isReady() || !QFileInfo(storage.rootPath()).isDir())
            continue;
        mounts.append(
            {storage.rootPath(), storage.name(), QString::fromLatin1(storage.fileSystemType())});
    }
    return volumesForUser(QDir::homePath(), mounts);
}

int volumeIndexOf(const QList<Volume>& volumes, const QString& path)
{
    const QString wanted = cleaned(path);
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        const QString& root = volumes[i].rootPath;
        const bool holds = root == QStringLiteral("/") ? wanted.startsWith(QLatin1Char('/'))
                                                       : isUnder(wanted, root);
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

} // namespace platform
