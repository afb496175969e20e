#include "engine/ShuffleCopy.h"

#include "platform/Random.h"
#include "platform/UserDialogs.h"

void ShuffleCopy(const QStringList& source, QStringList& target, UserDialogs* dialogs) {
  const int n = static_cast<int>(source.size());
  if (n == 0) return;
  if (n == 1) {
    target.append(source.front());
    return;
  }
  QStringList left = source;
  for (int k = n; k > 1; --k) {
    const int r = Random(k);
    target.append(left.at(r));
    left.removeAt(r);
    if (k == 2) target.append(left.front());
    if (dialogs) dialogs->ProcessPendingMessages();
  }
}
