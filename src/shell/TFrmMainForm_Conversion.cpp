// The main window's Convert button and output folder chooser.
#include "shell/TFrmMainForm.h"

void TFrmMainForm::BindConversion()
{
}

void TFrmMainForm::btnConvertClick()
{
}

void TFrmMainForm::btnSelectOutputFolderClick()
{
}
