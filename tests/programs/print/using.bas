print using "###.##";3.14159
print using "###.##|";1234.5
print using "#,###";1234
print using "#,###";-123
print using "+##";5
print using ".##";0.5
print using "&  &|";"abcdef"
print using "&  &|";"ab"
print using "[@]";""
print using "##.##^^^^";1234.5
print using "#.##";9.999
print using "##.##^^^^";0
print using "#.##^^^^";9.999
print using "#.##^^^^";-5
print using "#.##^^^^";1e100
print using "# and #";1;2
