{ The Pascal unit as a Free Pascal host uses it, against the 32-bit DLL:
  every record's size and field offsets must be clang's layout of the header
  (layout_checks.inc, made at build time by tools/gen-bindings), and calls
  that need no window must give the DLL's answers.  A wrong calling
  convention, a missing export or an argument of the wrong width shows as a
  load failure, a crash or a wrong result; the calls mix byte, 16-bit,
  float and double arguments for that reason. }
program pascal_binding_check;

{$MODE DELPHI}

uses KavoApi;

var
  Checks: Integer = 0;
  Failures: Integer = 0;

procedure Check(Ok: Boolean; const What: AnsiString);
begin
  Inc(Checks);
  if not Ok then
  begin
    Inc(Failures);
    WriteLn('FAILED: ', What);
  end;
end;

function Num(Value: Int64): AnsiString;
begin
  Str(Value, Result);
end;

procedure CheckSize(const Name: AnsiString; Actual, Expected: PtrUInt);
begin
  Check(Actual = Expected, Name + ' is ' + Num(Actual) + ' bytes, header: ' + Num(Expected));
end;

procedure CheckOffset(const Name: AnsiString; Actual, Expected: PtrUInt);
begin
  Check(Actual = Expected, Name + ' at ' + Num(Actual) + ', header: ' + Num(Expected));
end;

procedure CheckResult(const What: AnsiString; Actual, Expected: LongInt);
begin
  Check(Actual = Expected, What + ' gave ' + Num(Actual) + ', expected ' + Num(Expected));
end;

procedure CheckText(const What: AnsiString; Actual: PAnsiChar; const Expected: AnsiString);
begin
  Check(AnsiString(Actual) = Expected, What + ' gave "' + AnsiString(Actual) + '", expected "' + Expected + '"');
end;

procedure CheckNear(const What: AnsiString; Actual, Expected: Single);
begin
  Check(Abs(Actual - Expected) < 1e-4, What);
end;

procedure CheckLayouts;
begin
  {$I layout_checks.inc}
end;

procedure CheckDesignText;
var
  Text, Found: array[0..255] of AnsiChar;
  Value: Single;
  Count: SmallInt;
begin
  Text[0] := #0;
  CheckResult('qa_varbuf_write_sz', qa_varbuf_write_sz(Text, 'RNM', 'Meeting room', SizeOf(Text)), 0);
  CheckResult('qa_varbuf_write_flo', qa_varbuf_write_flo(Text, 'RH', 2.7, 2, SizeOf(Text)), 0);
  CheckResult('qa_varbuf_write_sho', qa_varbuf_write_sho(Text, 'RRT', -3, SizeOf(Text)), 0);
  CheckText('the written text', Text, 'RNM=Meeting room|RH=2.70|RRT=-3');
  CheckResult('qa_varbuf_find_sz', qa_varbuf_find_sz(Text, 'RNM', Found, SizeOf(Found)), 1);
  CheckText('the found text', Found, 'Meeting room');
  CheckResult('qa_varbuf_find_flo', qa_varbuf_find_flo(Text, 'RH', @Value), 1);
  CheckNear('the found float', Value, 2.7);
  CheckResult('qa_varbuf_find_sho', qa_varbuf_find_sho(Text, 'RRT', @Count), 1);
  CheckResult('the found short', Count, -3);
  CheckResult('a missing key', qa_varbuf_find_sz(Text, 'XX', Found, SizeOf(Found)), 0);
end;

{ The DLL fills a record through its pointer: the fields it writes must be
  the ones the unit names. }
procedure CheckRoomRecord;
var
  Room: TRoom;
begin
  FillChar(Room, SizeOf(Room), $FF);
  CheckResult('qa_varbuf_read_room',
    qa_varbuf_read_room(@Room, 'RCD=R-2.14|RNM=Meeting room 2.14|RLE=7.20|RTS=24.50|RCS=1|RRT=3|RNT=South'), 1);
  CheckText('room.rcd', Room.rcd, 'R-2.14');
  CheckText('room.rnm', Room.rnm, 'Meeting room 2.14');
  CheckNear('room.rle', Room.rle, 7.2);
  CheckNear('room.rts', Room.rts, 24.5);
  CheckResult('room.rcs', Room.rcs, 1);
  CheckResult('room.rrt', Room.rrt, 3);
  CheckText('room.rnt', Room.rnt, 'South');
end;

procedure CheckUnitsAndNumbers;
var
  Text: array[0..63] of AnsiChar;
begin
  unit_set_system('US');
  CheckResult('unit_get_system after "US"', unit_get_system, 4);
  CheckNear('20 degrees C in the US system', unit_trans(20, 20.0, 0), 68.0);
  CheckNear('68 degrees F back to base', unit_trans(20, 68.0, 1), 20.0);
  unit_set_system('SI');
  CheckResult('qa_smart_sprint', qa_smart_sprint(Text, SizeOf(Text), -2.5, 3), 4);
  CheckText('qa_smart_sprint text', Text, '-2.5');
end;

begin
  CheckLayouts;
  CheckDesignText;
  CheckRoomRecord;
  CheckUnitsAndNumbers;
  WriteLn(Checks - Failures, ' passed, ', Failures, ' failed');
  if Failures > 0 then
    Halt(1);
end.
