#pragma once
// Clicked of 选择框1: the whole report box in lower case when checked,
// upper case when not.
void OnCaseBoxClicked();
