#!/usr/bin/perl
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the string literals handed straight to calls that show text to the
# user (captions, tooltips, message boxes, the program's own message
# helpers) without tr()/translate(): a literal that is an argument of such a
# call, or of QStringLiteral()/QLatin1String()/... given as one. Comments
# are skipped. Prints "FILE:LINE:TEXT" per literal, TEXT as in the source.
# Usage: shown_literals.pl FILE...
use strict;
use warnings;

my $calls = join '|', qw(
  setText setWindowTitle setToolTip setStatusTip setWhatsThis setPlaceholderText setTitle
  setLabelText setCancelButtonText setTabText showMessage addAction addMenu
  QLabel QPushButton QCheckBox QGroupBox QRadioButton QAction QMenu QToolButton
  Ask ShowError ShowException MessageBox InputBox
);
my $boxes = 'QMessageBox::\w+|QInputDialog::get\w+|QFileDialog::get\w+';
my %makers = map { $_ => 1 } qw(QStringLiteral QLatin1String QLatin1StringView QString QString::fromUtf8
                                QString::fromLatin1 QStringView);

for my $file (@ARGV) {
    open(my $in, '<', $file) or die "$file: $!\n";
    my $text = do { local $/; <$in> };
    close $in;
    # Comments become blanks (line breaks kept); literals and characters stay.
    $text =~ s{(//[^\n]*|/\*.*?\*/)|("(?:\\.|[^"\\\n])*"|'(?:\\.|[^'\\\n])*')}
              {defined $1 ? ($1 =~ s/[^\n]/ /gr) : $2}gse;
    while ($text =~ /(?<![\w:])(?:$boxes|$calls)\s*\(/g) {
        my $pos = pos($text);
        my @names = ('');   # the call each open parenthesis belongs to
        my $depth = 1;
        while ($depth > 0 && $pos < length $text) {
            my $rest = substr($text, $pos);
            if ($rest =~ /^"((?:\\.|[^"\\\n])*)"/) {
                if ($depth == 1 || ($depth == 2 && $makers{$names[-1]})) {
                    my $line = 1 + (substr($text, 0, $pos) =~ tr/\n//);
                    print "$file:$line:$1\n";
                }
                $pos += length($1) + 2;
            } elsif ($rest =~ /^'(?:\\.|[^'\\\n])*'/) {
                $pos += length($&);
            } elsif ($rest =~ /^([\w:]*)\s*\(/) {
                push @names, $1;
                $depth++;
                $pos += length($&);
            } elsif ($rest =~ /^\)/) {
                pop @names;
                $depth--;
                $pos++;
            } else {
                $pos++;
            }
        }
    }
}
