// File dialog filters written as the Windows dialogs take them ("TVC files(*.tvc)|*.tvc||": pairs
// of a description and its patterns, separated by "|") in the form Qt's file dialogs take.
#pragma once

#include <QString>

namespace tavolo {

// "jpeg files(*.jpeg,*.jpg)|*.jpeg;*.jpg|all files(*.*)|*.*||" becomes
// "jpeg files (*.jpeg *.jpg);;all files (*)": each description loses the pattern list it carried
// in parentheses and gets the real patterns, and "*.*" becomes "*" so that it also shows files
// without an extension.
QString QtFileFilter(const QString& windowsFilter);

}  // namespace tavolo
